// File times on Windows: FILETIME, a count of 100-nanosecond intervals since
// 1601-01-01 00:00:00 UTC, and the platform's times.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_

#include <cstdint>

#include "common/windows_api.h"
#include "platform/platform.h"

namespace photopages {

// `time` in nanoseconds since 1970-01-01 00:00:00 UTC, held at the int64
// range (the years 1677 to 2262) for a time beyond it.
int64_t NanosecondsFromFileTime(const FILETIME& time);

// `nanoseconds` since the epoch as a FILETIME, cut to its 100 nanoseconds.
FILETIME FileTimeFromNanoseconds(int64_t nanoseconds);

// `time` as local calendar fields by the time-zone rules in force at that
// moment (SystemTimeToTzSpecificLocalTime), so that summer time counts for a
// summer photo whatever the season now. Throws EConvertError
// (Message::kInvalidDate) when the system cannot turn it into a date.
LocalDateTime LocalDateTimeFromFileTime(const FILETIME& time);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_TIME_H_
