#include "platform/posix_time.h"

#include <limits>

#include "common/errors.h"
#include "common/messages.h"

namespace photopages {

// Every second of UtcTime is a second of time_t, so no file time is clamped.
static_assert(sizeof(time_t) >= sizeof(int64_t));

UtcTime UtcTimeFromTimespec(const timespec& time) {
  return {static_cast<int64_t>(time.tv_sec),
          static_cast<int32_t>(time.tv_nsec)};
}

timespec TimespecFromUtcTime(const UtcTime& time) {
  return {static_cast<time_t>(time.seconds),
          static_cast<long>(time.nanoseconds)};
}

LocalDateTime LocalDateTimeFromTm(const tm* fields, int32_t nanoseconds) {
  if (fields == nullptr ||
      fields->tm_year > std::numeric_limits<int>::max() - 1900) {
    throw ConvertError(MessageText(Message::kInvalidDate));
  }
  return {fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday,
          fields->tm_hour,        fields->tm_min,     fields->tm_sec,
          nanoseconds / 1'000'000};
}

}  // namespace photopages
