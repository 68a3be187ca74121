// The date and time settings that the formatter and the date text reader
// use, composed from the user's locale settings.
#ifndef PHOTOPAGES_NAMING_FORMAT_SETTINGS_H_
#define PHOTOPAGES_NAMING_FORMAT_SETTINGS_H_

#include <array>
#include <string_view>
#include <vector>

#include "common/ansi.h"
#include "naming/era_data.h"
#include "platform/locale_settings.h"

namespace photopages {

// The texts taken from the locale (separators, formats, designators, month
// and weekday names, the eras it lists) are bytes in the locale's own ANSI
// code page, as the locale settings hold them; the built-in era names are
// code page 932 and the defaults ASCII. A default-constructed FormatSettings
// holds what a locale that gives nothing yields.
struct FormatSettings {
  char date_separator = '/';
  char time_separator = ':';
  char decimal_separator = '.';
  AnsiString short_date_format = "m/d/yy";
  AnsiString long_date_format = "mmmm d, yyyy";
  AnsiString short_time_format = "h:mm AMPM";
  AnsiString long_time_format = "h:mm:ss AMPM";
  AnsiString am_designator = "am";
  AnsiString pm_designator = "pm";
  // Two-digit years are read into the hundred years that end this many years
  // after the current year.
  int two_digit_year_window = 50;
  std::array<AnsiString, 12> short_month_names = {"Jan", "Feb", "Mar", "Apr",
                                                  "May", "Jun", "Jul", "Aug",
                                                  "Sep", "Oct", "Nov", "Dec"};
  std::array<AnsiString, 12> long_month_names = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  // Sunday first.
  std::array<AnsiString, 7> short_day_names = {"Sun", "Mon", "Tue", "Wed",
                                               "Thu", "Fri", "Sat"};
  std::array<AnsiString, 7> long_day_names = {
      "Sunday",   "Monday", "Tuesday", "Wednesday",
      "Thursday", "Friday", "Saturday"};
  // The eras of the user's calendar, newest first; empty for the Gregorian
  // calendar, whose era years are the years themselves.
  std::vector<Era> eras;
  // A single "g" prints only the first character of the era name.
  bool short_era_is_first_character = false;
};

// The settings for `locale`: each item the locale does not give, and each
// separator that is not exactly one byte, takes its default; designators
// given empty stay empty. The time formats are composed from the clock
// items: the hour field "h" or "hh", ":mm" (":mm:ss" for the long format),
// and on the 12-hour clock the designator field "AMPM " before or " AMPM"
// after the time. On an era calendar the date formats write era years; for
// Chinese, Japanese and Korean they otherwise lose every era field.
FormatSettings ComposeFormatSettings(const LocaleSettings& locale);

// `format` with its years written as era years: "gg" becomes "ggg", "yyyy"
// "eeee", "yy" "ee" and a lone "y" "e", letters matched in any case and
// double-byte characters copied unchanged.
AnsiString EraDateFormat(std::string_view format);

// `format` without its "g" and "G" fields; double-byte characters are copied
// unchanged.
AnsiString WithoutEraFields(std::string_view format);

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_FORMAT_SETTINGS_H_
