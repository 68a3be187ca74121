// File times on Windows: FILETIME, a count of 100-nanosecond intervals since
// 1601-01-01 00:00:00 UTC that reaches the year 30828, and the platform's
// times.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_

#include <optional>

#include "common/windows_api.h"
#include "platform/platform.h"

namespace photopages {

// `time` exactly, as seconds since 1970 and the nanoseconds past them.
UtcTime UtcTimeFromFileTime(const FILETIME& time);

// `time` as a FILETIME, cut to its 100 nanoseconds; nothing when it lies
// before 1601 or beyond what a FILETIME holds.
std::optional<FILETIME> FileTimeFromUtcTime(const UtcTime& time);

// `time` as local calendar fields by the time-zone rules in force at that
// moment (SystemTimeToTzSpecificLocalTime), so that summer time counts for a
// summer photo whatever the season now. Throws EConvertError
// (Message::kInvalidDate) when the system cannot turn it into a date.
LocalDateTime LocalDateTimeFromFileTime(const FILETIME& time);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_
