// The user's date and time settings as the locale gives them, before the
// defaults and adjustments that make them usable for formatting.
#ifndef PHOTOPAGES_PLATFORM_LOCALE_SETTINGS_H_
#define PHOTOPAGES_PLATFORM_LOCALE_SETTINGS_H_

#include <array>
#include <optional>
#include <string>

#include "common/ansi.h"

namespace photopages {

// The text items are byte strings in the locale's own ANSI code page
// (LocaleAnsiCodePage), as the system's locale service hands them over, so
// that texts the program's code page 932 cannot hold stay distinct; a
// character that the locale's code page lacks is "?". A text item the locale
// does not give is empty (std::nullopt), which is not the same as an empty
// text. The calendar
// and clock items have their types from where the locale is read; a locale
// that gives nothing leaves them as initialised here.
struct LocaleSettings {
  // The primary language, lower case, such as "ja"; empty when unknown.
  std::string language;
  int calendar_type = 1;  // 1 Gregorian; 3, 4, 5 eras.
  std::optional<AnsiString> date_separator;
  std::optional<AnsiString> short_date_format;
  std::optional<AnsiString> long_date_format;
  std::optional<AnsiString> time_separator;
  std::optional<AnsiString> decimal_separator;
  std::optional<AnsiString> am_designator;
  std::optional<AnsiString> pm_designator;
  bool twenty_four_hour = false;   // Else the 12-hour clock.
  bool hour_leading_zero = false;  // "hh", else "h".
  bool designator_before = false;  // The designator before the time.
  std::array<std::optional<AnsiString>, 12> short_month_names;
  std::array<std::optional<AnsiString>, 12> long_month_names;
  // Sunday first.
  std::array<std::optional<AnsiString>, 7> short_day_names;
  std::array<std::optional<AnsiString>, 7> long_day_names;
};

// The Windows ANSI code page that belongs to the locale named `locale_name`
// (such as "ko_KR.UTF-8"), by its language and, for Chinese, its territory:
// 932 Japanese, 949 Korean, 950 Traditional Chinese (zh_TW, zh_HK, zh_MO),
// 936 other Chinese, 1251 Cyrillic, 1250 Central European, 1253 Greek, 1254
// Turkish, 1255 Hebrew, 1256 Arabic, 1257 Baltic, 1258 Vietnamese, 874 Thai,
// and 1252 for every other locale, C and POSIX included.
int LocaleAnsiCodePage(const std::string& locale_name);

// The settings of the locale named `locale_name` (such as "ja_JP.UTF-8"):
// the regional defaults of the ja_JP, en_US, en_GB, de_DE, fr_FR, zh_CN,
// zh_TW and ko_KR locales, whether or not the locale is installed, with
// month and weekday names from the installed locale when it is, and nothing
// (every item empty) for C, POSIX, an empty name or any other locale.
LocaleSettings LocaleSettingsFor(const std::string& locale_name);

// The name of the user's locale for dates and times: LC_ALL, else LC_TIME,
// else LANG, the first that is set and not empty; empty when none is.
std::string UserLocaleName();

// LocaleSettingsFor(UserLocaleName()).
LocaleSettings UserLocaleSettings();

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_LOCALE_SETTINGS_H_
