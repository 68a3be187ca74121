// The user's date and time settings as the locale gives them, before the
// defaults and adjustments that make them usable for formatting.
#ifndef PHOTOPAGES_PLATFORM_LOCALE_SETTINGS_H_
#define PHOTOPAGES_PLATFORM_LOCALE_SETTINGS_H_

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/ansi.h"

namespace photopages {

// An era of the locale's calendar, as the locale lists it.
struct LocaleEra {
  AnsiString name;
  int start_year = 0;  // The year its era year 1 falls in.
  bool operator==(const LocaleEra&) const = default;
};

// The text items (era names included) are byte strings in the locale's own
// ANSI code page, as the system's locale service hands them over, so that
// texts the program's code page 932 cannot hold stay distinct; a character
// that the locale's code page lacks is "?". A text item the locale does not
// give is empty (std::nullopt), which is not the same as an empty text. The
// calendar and clock items have their types from where the locale is read; a
// locale that gives nothing leaves them as initialised here.
struct LocaleSettings {
  // The primary language, lower case, such as "ja"; empty when unknown.
  std::string language;
  int calendar_type = 1;  // 1 Gregorian; 3, 4, 5 eras.
  // The eras of the calendar, in the order the locale lists them; empty when
  // the locale lists none.
  std::vector<LocaleEra> eras;
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
  bool operator==(const LocaleSettings&) const = default;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_LOCALE_SETTINGS_H_
