#include "naming/time_value.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "common/errors.h"
#include "common/messages.h"

namespace photopages {
namespace {

// Days from 1 January of year 1 (day 1) to day 0 of the time values.
constexpr int64_t kDayZero = 693594;
// The day numbers of 1 January 1 and 31 December 9999.
constexpr int64_t kFirstDay = 1 - kDayZero;
constexpr int64_t kLastDay = 2958465;

// Day number of 1 January of `year`, minus one.
int64_t DaysBeforeYear(int year) {
  int64_t y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400 - kDayZero;
}

// `value` in whole milliseconds, rounded half to even; nothing for a value
// that is not a number or lies beyond the days of years 1 to 9999.
std::optional<int64_t> WholeMilliseconds(DateTime value) {
  if (!(value > kFirstDay - 1 && value < kLastDay + 1)) return std::nullopt;
  return static_cast<int64_t>(
      std::nearbyint(value * static_cast<double>(kMillisecondsPerDay)));
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30,
                                    31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<DateTime> TryEncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  int64_t days = DaysBeforeYear(year);
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  return static_cast<DateTime>(days + day);
}

std::optional<DateTime> TryEncodeTime(int hour, int minute, int second,
                                      int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
      second > 59 || millisecond < 0 || millisecond > 999) {
    return std::nullopt;
  }
  int64_t ms =
      hour * 3'600'000LL + minute * 60'000LL + second * 1'000LL + millisecond;
  return static_cast<DateTime>(ms) / kMillisecondsPerDay;
}

DateTime EncodeDate(int year, int month, int day) {
  std::optional<DateTime> date = TryEncodeDate(year, month, day);
  if (!date) throw ConvertError(MessageText(Message::kInvalidDate));
  return *date;
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  std::optional<DateTime> time =
      TryEncodeTime(hour, minute, second, millisecond);
  if (!time) throw ConvertError(MessageText(Message::kInvalidTime));
  return *time;
}

DateTime ComposeDateTime(DateTime date, DateTime time) {
  return date >= 0 ? date + time : date - time;
}

DateFields DecodeDate(DateTime value) {
  std::optional<int64_t> ms = WholeMilliseconds(value);
  int64_t day = ms ? *ms / kMillisecondsPerDay : 0;
  if (!ms || day < kFirstDay || day > kLastDay) {
    throw ConvertError(MessageText(Message::kInvalidDate));
  }
  DateFields fields;
  // Days since 1 January of year 1, counted from 0.
  int64_t n = day + kDayZero - 1;
  fields.day_of_week = static_cast<int>((n + 1) % 7);
  int64_t y400 = n / 146097, r = n % 146097;
  int64_t y100 = std::min<int64_t>(r / 36524, 3);
  r -= y100 * 36524;
  int64_t y4 = r / 1461;
  r %= 1461;
  int64_t y1 = std::min<int64_t>(r / 365, 3);
  r -= y1 * 365;
  fields.year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
  fields.month = 1;
  while (r >= DaysInMonth(fields.year, fields.month)) {
    r -= DaysInMonth(fields.year, fields.month);
    ++fields.month;
  }
  fields.day = static_cast<int>(r + 1);
  return fields;
}

TimeFields DecodeTime(DateTime value) {
  int64_t ms =
      std::llabs(WholeMilliseconds(value).value_or(0)) % kMillisecondsPerDay;
  TimeFields fields;
  fields.hour = static_cast<int>(ms / 3'600'000);
  fields.minute = static_cast<int>(ms / 60'000 % 60);
  fields.second = static_cast<int>(ms / 1'000 % 60);
  fields.millisecond = static_cast<int>(ms % 1'000);
  return fields;
}

}  // namespace photopages
