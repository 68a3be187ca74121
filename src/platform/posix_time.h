// Times as the C library holds them: struct timespec for the clock and the
// file times, struct tm for calendar fields.
#ifndef PHOTOPAGES_PLATFORM_POSIX_TIME_H_
#define PHOTOPAGES_PLATFORM_POSIX_TIME_H_

#include <time.h>

#include "platform/platform.h"

namespace photopages {

UtcTime UtcTimeFromTimespec(const timespec& time);
timespec TimespecFromUtcTime(const UtcTime& time);

// The calendar fields that gmtime_r or localtime_r gave in `fields` for a
// moment `nanoseconds` past its second. Throws ConvertError
// (Message::kInvalidDate) when the call gave none (`fields` null: the year
// does not fit the C library's calendar) or the year does not fit an int.
LocalDateTime LocalDateTimeFromTm(const tm* fields, int32_t nanoseconds);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_TIME_H_
