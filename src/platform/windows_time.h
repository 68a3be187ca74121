// File times on Windows: FILETIME, a count of 100-nanosecond intervals since
// 1601-01-01 00:00:00 UTC that reaches the year 30828, and the platform's
// times.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_

#include <map>
#include <optional>

#include "common/windows_api.h"
#include "platform/platform.h"

namespace photopages {

// `time` exactly, as seconds since 1970 and the nanoseconds past them.
UtcTime UtcTimeFromFileTime(const FILETIME& time);

// `time` as a FILETIME, cut to its 100 nanoseconds; nothing when it lies
// before 1601 or beyond what a FILETIME holds.
std::optional<FILETIME> FileTimeFromUtcTime(const UtcTime& time);

// The user's time zone, with the name of its rules in the system's time
// zone database (GetDynamicTimeZoneInformation).
DYNAMIC_TIME_ZONE_INFORMATION UserTimeZone();

// The rules of a time zone, year by year, each year's read once: the system
// reads them from its time zone database (the registry) on every call.
class ZoneRulesByYear {
 public:
  // The rules of `zone` in force in `year`: those of that year where the
  // system keeps them, its earliest or latest kept rules beyond them; its
  // current rules when it keeps none, or when the user has turned off the
  // yearly rules. Those of another zone are read anew.
  const TIME_ZONE_INFORMATION& Of(const DYNAMIC_TIME_ZONE_INFORMATION& zone,
                                  WORD year);

 private:
  DYNAMIC_TIME_ZONE_INFORMATION zone_ = {};
  std::map<WORD, TIME_ZONE_INFORMATION> by_year_;
};

// `time` as local calendar fields in `zone`, by the rules in force at that
// moment: summer time counts for a summer photo whatever the season now, and
// the rules of the photo's own year count where the system keeps them
// (`rules`, then SystemTimeToTzSpecificLocalTime), so that a New York photo
// of March 2006 gets the offset of 2006. Throws ConvertError
// (Message::kInvalidDate) when the system cannot turn it into a date.
LocalDateTime LocalDateTimeFromFileTime(
    const FILETIME& time, const DYNAMIC_TIME_ZONE_INFORMATION& zone,
    ZoneRulesByYear& rules);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_
