// Times as a count of nanoseconds since 1970-01-01 00:00:00 UTC, the form in
// which the platform hands out file times, and as struct timespec, the form
// of the C library's clock and time calls.
#ifndef PHOTOPAGES_PLATFORM_NANOSECONDS_H_
#define PHOTOPAGES_PLATFORM_NANOSECONDS_H_

#include <time.h>

#include <cstdint>

namespace photopages {

// `time` in nanoseconds since the epoch, held at the int64 range (the years
// 1677 to 2262) for a time beyond it.
int64_t NanosecondsFromTimespec(const timespec& time);

// `nanoseconds` since the epoch as whole seconds (rounded down, also before
// 1970) and the nanoseconds past them.
timespec TimespecFromNanoseconds(int64_t nanoseconds);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_NANOSECONDS_H_
