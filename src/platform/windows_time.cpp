#include "platform/windows_time.h"

#include <limits>

#include "common/errors.h"
#include "common/messages.h"

namespace photopages {
namespace {

// FILETIME's count at 1970-01-01 00:00:00 UTC.
constexpr int64_t kEpochIntervals = 116'444'736'000'000'000;
constexpr int64_t kNanosecondsPerInterval = 100;

int64_t Intervals(const FILETIME& time) {
  return static_cast<int64_t>((uint64_t{time.dwHighDateTime} << 32) |
                              time.dwLowDateTime);
}

}  // namespace

int64_t NanosecondsFromFileTime(const FILETIME& time) {
  int64_t nanoseconds;
  if (__builtin_mul_overflow(Intervals(time) - kEpochIntervals,
                             kNanosecondsPerInterval, &nanoseconds)) {
    return Intervals(time) < kEpochIntervals
               ? std::numeric_limits<int64_t>::min()
               : std::numeric_limits<int64_t>::max();
  }
  return nanoseconds;
}

FILETIME FileTimeFromNanoseconds(int64_t nanoseconds) {
  int64_t intervals = nanoseconds / kNanosecondsPerInterval;
  if (nanoseconds % kNanosecondsPerInterval < 0) --intervals;
  const uint64_t count = static_cast<uint64_t>(intervals + kEpochIntervals);
  return {static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)};
}

LocalDateTime LocalDateTimeFromFileTime(const FILETIME& time) {
  SYSTEMTIME utc;
  SYSTEMTIME local;
  if (!FileTimeToSystemTime(&time, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    throw EConvertError(MessageText(Message::kInvalidDate));
  }
  return {local.wYear,   local.wMonth,  local.wDay,         local.wHour,
          local.wMinute, local.wSecond, local.wMilliseconds};
}

}  // namespace photopages
