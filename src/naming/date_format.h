// Formatting of time values with format texts such as "yyyy/mm/dd hh:nn:ss".
#ifndef PHOTOPAGES_NAMING_DATE_FORMAT_H_
#define PHOTOPAGES_NAMING_DATE_FORMAT_H_

#include <string_view>
#include <vector>

#include "common/ansi.h"
#include "naming/era_data.h"
#include "naming/format_settings.h"
#include "naming/time_value.h"

namespace photopages {

// The longest text that formatting gives; the rest is cut.
inline constexpr size_t kFormattedTextLimit = 256;

// `value` written with `format`, at most 256 bytes. The format and the texts
// of `settings` are copied as the bytes they are; double-byte characters are
// recognised by the lead bytes of code page 932, the system's code page.
//
// Letters start fields, matched without regard to case; a field runs over
// the directly following copies of the same byte. y and yy give the year's
// last two digits, yyy and longer the year; m and mm the month, mmm the short
// and mmmm the long month name; d and dd the day, ddd and dddd the short and
// long weekday name, ddddd the short and dddddd the long date format; h, n, s
// (and m right after an hour field) the hour, minutes and seconds, z the
// milliseconds; t the short and tt the long time format; c the short date
// format and, unless the time is 00:00:00, a space and the long time format;
// am/pm, a/p and ampm the morning or afternoon mark; aaa and aaaa weekday
// names; g the era name and e the era year; "/" and ":" the date and time
// separators. An hour field is on the 12-hour clock when a morning or
// afternoon field follows it before the next hour field. Text in double or
// single quotes is copied as it is; an unquoted double-byte character prints
// nothing. Formats nest two levels deep: a third level prints nothing.
//
// Throws ConvertError (Message::kInvalidDate) when the format has
// a date field and `value` lies outside years 1 to 9999.
AnsiString FormatDateTime(std::string_view format, DateTime value,
                          const FormatSettings& settings);

// The date text of `value`: the short date format, then, unless hour, minute
// and second are all zero, a space and the long time format; at most 256
// bytes.
AnsiString DateText(DateTime value, const FormatSettings& settings);

// A format read once with its settings into the fields it writes, so that
// values are written without reading it again: a run names every photo with
// the same formats. Write gives exactly what FormatDateTime (or DateText)
// gives for the same format and settings, and throws as they do.
class DateFormat {
 public:
  // `format` with `settings`, which need not outlive the format.
  DateFormat(std::string_view format, const FormatSettings& settings);
  // The format of the date text with `settings`.
  static DateFormat OfDateText(const FormatSettings& settings);

  AnsiString Write(DateTime value) const;

 private:
  // What a step writes.
  enum class Field : unsigned char {
    kText,                // texts_[text]
    kYear,                // the year's last two digits for a count up to
                          // 2, else the year in four
    kMonth,               // count digits at least
    kMonthName,           // texts_[text + month - 1]
    kDay,                 // count digits at least
    kWeekdayName,         // texts_[text + day of week]
    kEraName,             // the era's name, its first character for a
                          // count of 1 when the settings say so
    kEraYear,             // the era year: its last two digits, with a
                          // leading zero from a count of 2, four digits
                          // from a count of 3
    kHour,                // count digits at least, on the 12-hour clock
                          // when twelve_hour
    kMinute,              // count digits at least
    kSecond,              // count digits at least
    kMillisecond,         // count digits at least
    kMorningOrAfternoon,  // texts_[text], or texts_[text + 1] from noon
    kSkipAtMidnight,      // at 00:00:00 the next count steps write nothing
  };
  struct Step {
    Field field;
    bool twelve_hour;
    int count;
    size_t text;
  };

  DateFormat() = default;

  class Compiler;
  class Writer;

  std::vector<Step> steps_;
  std::vector<AnsiString> texts_;
  std::vector<Era> eras_;
  bool short_era_is_first_character_ = false;
};

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_DATE_FORMAT_H_
