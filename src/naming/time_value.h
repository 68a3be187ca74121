// Time values: a double whose integer part is the day number, counted from
// 30 December 1899 (day 0) in the proleptic Gregorian calendar, and whose
// fractional part is the time of day. Before day 0 the integer part is
// negative and the fraction still counts forward from midnight, so -1.25 is
// 29 December 1899, 06:00. Valid years are 1 to 9999.
#ifndef PHOTOPAGES_NAMING_TIME_VALUE_H_
#define PHOTOPAGES_NAMING_TIME_VALUE_H_

#include <optional>

namespace photopages {

using DateTime = double;

inline constexpr long long kMillisecondsPerDay = 86'400'000;

constexpr bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days in `month` (1 to 12) of `year`.
int DaysInMonth(int year, int month);

// The day number of the date, or nothing when the date is not in years 1 to
// 9999, months 1 to 12 and the days of its month.
std::optional<DateTime> TryEncodeDate(int year, int month, int day);
// The fraction of a day, or nothing when hour > 23, minute or second > 59,
// millisecond > 999 or any field is negative.
std::optional<DateTime> TryEncodeTime(int hour, int minute, int second,
                                      int millisecond);

// As the Try forms; throw ConvertError, Message::kInvalidDate and
// Message::kInvalidTime.
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeTime(int hour, int minute, int second, int millisecond);

// One value from a day number and a time of day (0 <= time < 1), keeping the
// integer part the day, also before day 0.
DateTime ComposeDateTime(DateTime date, DateTime time);

struct DateFields {
  int year = 0;
  int month = 0;
  int day = 0;
  // 0 for Sunday to 6 for Saturday.
  int day_of_week = 0;
};

struct TimeFields {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Both split `value` after rounding value × 86 400 000 to the nearest whole
// millisecond, ties to even; the fields are whole parts, never rounded up.
// DecodeDate throws ConvertError (Message::kInvalidDate) for a value that
// is not a number or lies outside years 1 to 9999; DecodeTime
// gives midnight for a value that is not a number or that large.
DateFields DecodeDate(DateTime value);
TimeFields DecodeTime(DateTime value);

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_TIME_VALUE_H_
