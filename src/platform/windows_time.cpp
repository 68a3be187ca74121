#include "platform/windows_time.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "common/errors.h"
#include "common/messages.h"

namespace photopages {
namespace {

// Seconds from 1601-01-01 to 1970-01-01, and FILETIME's intervals.
constexpr int64_t kEpochSeconds = 11'644'473'600;
constexpr int64_t kIntervalsPerSecond = 10'000'000;
constexpr int32_t kNanosecondsPerInterval = 100;

}  // namespace

UtcTime UtcTimeFromFileTime(const FILETIME& time) {
  const uint64_t intervals =
      (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
  return {static_cast<int64_t>(intervals / kIntervalsPerSecond) - kEpochSeconds,
          static_cast<int32_t>(intervals % kIntervalsPerSecond) *
              kNanosecondsPerInterval};
}

std::optional<FILETIME> FileTimeFromUtcTime(const UtcTime& time) {
  int64_t seconds;
  int64_t intervals;
  if (__builtin_add_overflow(time.seconds, kEpochSeconds, &seconds) ||
      seconds < 0 ||
      __builtin_mul_overflow(seconds, kIntervalsPerSecond, &intervals) ||
      __builtin_add_overflow(
          intervals, time.nanoseconds / kNanosecondsPerInterval, &intervals)) {
    return std::nullopt;
  }
  const uint64_t count = static_cast<uint64_t>(intervals);
  return FILETIME{static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)};
}

DYNAMIC_TIME_ZONE_INFORMATION UserTimeZone() {
  DYNAMIC_TIME_ZONE_INFORMATION zone = {};
  GetDynamicTimeZoneInformation(&zone);
  return zone;
}

namespace {

bool SameZone(const DYNAMIC_TIME_ZONE_INFORMATION& a,
              const DYNAMIC_TIME_ZONE_INFORMATION& b) {
  auto same = [](const auto& x, const auto& y) {
    return std::memcmp(&x, &y, sizeof x) == 0;
  };
  return a.Bias == b.Bias && same(a.StandardName, b.StandardName) &&
         same(a.StandardDate, b.StandardDate) &&
         a.StandardBias == b.StandardBias &&
         same(a.DaylightName, b.DaylightName) &&
         same(a.DaylightDate, b.DaylightDate) &&
         a.DaylightBias == b.DaylightBias &&
         same(a.TimeZoneKeyName, b.TimeZoneKeyName) &&
         a.DynamicDaylightTimeDisabled == b.DynamicDaylightTimeDisabled;
}

}  // namespace

const TIME_ZONE_INFORMATION& ZoneRulesByYear::Of(
    const DYNAMIC_TIME_ZONE_INFORMATION& zone, WORD year) {
  if (!SameZone(zone, zone_)) {
    zone_ = zone;
    by_year_.clear();
  }
  auto [entry, added] = by_year_.try_emplace(year);
  TIME_ZONE_INFORMATION& rules = entry->second;
  if (added && (zone_.DynamicDaylightTimeDisabled ||
                !GetTimeZoneInformationForYear(year, &zone_, &rules))) {
    rules.Bias = zone.Bias;
    std::copy(std::begin(zone.StandardName), std::end(zone.StandardName),
              rules.StandardName);
    rules.StandardDate = zone.StandardDate;
    rules.StandardBias = zone.StandardBias;
    std::copy(std::begin(zone.DaylightName), std::end(zone.DaylightName),
              rules.DaylightName);
    rules.DaylightDate = zone.DaylightDate;
    rules.DaylightBias = zone.DaylightBias;
  }
  return rules;
}

LocalDateTime LocalDateTimeFromFileTime(
    const FILETIME& time, const DYNAMIC_TIME_ZONE_INFORMATION& zone,
    ZoneRulesByYear& rules) {
  SYSTEMTIME utc;
  if (!FileTimeToSystemTime(&time, &utc)) {
    throw ConvertError(MessageText(Message::kInvalidDate));
  }
  SYSTEMTIME local;
  if (!SystemTimeToTzSpecificLocalTime(&rules.Of(zone, utc.wYear), &utc,
                                       &local)) {
    throw ConvertError(MessageText(Message::kInvalidDate));
  }
  return {local.wYear,   local.wMonth,  local.wDay,         local.wHour,
          local.wMinute, local.wSecond, local.wMilliseconds};
}

}  // namespace photopages
