#include "platform/nanoseconds.h"

#include <limits>

namespace photopages {
namespace {

constexpr int64_t kNanosecondsPerSecond = 1'000'000'000;

}  // namespace

int64_t NanosecondsFromTimespec(const timespec& time) {
  int64_t nanoseconds;
  if (__builtin_mul_overflow(static_cast<int64_t>(time.tv_sec),
                             kNanosecondsPerSecond, &nanoseconds) ||
      __builtin_add_overflow(nanoseconds, static_cast<int64_t>(time.tv_nsec),
                             &nanoseconds)) {
    return time.tv_sec < 0 ? std::numeric_limits<int64_t>::min()
                           : std::numeric_limits<int64_t>::max();
  }
  return nanoseconds;
}

timespec TimespecFromNanoseconds(int64_t nanoseconds) {
  int64_t seconds = nanoseconds / kNanosecondsPerSecond;
  int64_t rest = nanoseconds % kNanosecondsPerSecond;
  if (rest < 0) {
    rest += kNanosecondsPerSecond;
    --seconds;
  }
  return {static_cast<time_t>(seconds), static_cast<long>(rest)};
}

}  // namespace photopages
