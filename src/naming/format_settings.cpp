#include "naming/format_settings.h"

#include <algorithm>

namespace photopages {
namespace {

char Separator(const std::optional<AnsiString>& item, char missing) {
  return item && item->size() == 1 ? (*item)[0] : missing;
}

template <size_t N>
void TakeNames(const std::array<std::optional<AnsiString>, N>& given,
               std::array<AnsiString, N>& names) {
  for (size_t i = 0; i < N; ++i) {
    if (given[i]) names[i] = *given[i];
  }
}

// The eras that `locale` lists, newest first, each counted from the first
// day of its start year (the locale gives no day): that moves only the era
// text of the days before an era's first day, never the date read back,
// which counts from the start year alone. The built-in eras of the calendar
// when the locale lists none.
std::vector<Era> ErasOf(const LocaleSettings& locale) {
  if (locale.eras.empty()) return ErasOfCalendar(locale.calendar_type);
  std::vector<Era> eras;
  for (const LocaleEra& era : locale.eras) {
    eras.push_back({era.name, era.start_year, 1, 1});
  }
  std::stable_sort(eras.begin(), eras.end(), [](const Era& a, const Era& b) {
    return a.start_year > b.start_year;
  });
  return eras;
}

}  // namespace

AnsiString EraDateFormat(std::string_view format) {
  AnsiString result;
  size_t i = 0;
  while (i < format.size()) {
    std::string_view rest = format.substr(i);
    if (IsLeadByte(rest[0]) && rest.size() > 1) {
      result.append(rest.substr(0, 2));
      i += 2;
    } else if (StartsWithNoCase(rest, "gg")) {
      result += "ggg";
      i += 2;
    } else if (StartsWithNoCase(rest, "yyyy")) {
      result += "eeee";
      i += 4;
    } else if (StartsWithNoCase(rest, "yy")) {
      result += "ee";
      i += 2;
    } else {
      result += StartsWithNoCase(rest, "y") ? 'e' : rest[0];
      i += 1;
    }
  }
  return result;
}

AnsiString WithoutEraFields(std::string_view format) {
  AnsiString result;
  for (size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (IsLeadByte(c) && i + 1 < format.size()) {
      result.append(format.substr(i++, 2));
    } else if (c != 'g' && c != 'G') {
      result += c;
    }
  }
  return result;
}

FormatSettings ComposeFormatSettings(const LocaleSettings& locale) {
  FormatSettings settings;
  settings.date_separator = Separator(locale.date_separator, '/');
  settings.time_separator = Separator(locale.time_separator, ':');
  settings.decimal_separator = Separator(locale.decimal_separator, '.');
  settings.short_date_format =
      locale.short_date_format.value_or(settings.short_date_format);
  settings.long_date_format =
      locale.long_date_format.value_or(settings.long_date_format);
  settings.am_designator = locale.am_designator.value_or("am");
  settings.pm_designator = locale.pm_designator.value_or("pm");

  bool cjk = locale.language == "ja" || locale.language == "zh" ||
             locale.language == "ko";
  if (IsEraCalendar(locale.calendar_type)) {
    settings.short_date_format = EraDateFormat(settings.short_date_format);
    settings.long_date_format = EraDateFormat(settings.long_date_format);
    settings.eras = ErasOf(locale);
  } else if (cjk) {
    settings.short_date_format = WithoutEraFields(settings.short_date_format);
    settings.long_date_format = WithoutEraFields(settings.long_date_format);
  }
  settings.short_era_is_first_character = locale.language == "ja";

  AnsiString hour = locale.hour_leading_zero ? "hh" : "h";
  AnsiString prefix, suffix;
  if (!locale.twenty_four_hour) {
    if (locale.designator_before) {
      prefix = "AMPM ";
    } else {
      suffix = " AMPM";
    }
  }
  settings.short_time_format = prefix + hour + ":mm" + suffix;
  settings.long_time_format = prefix + hour + ":mm:ss" + suffix;

  TakeNames(locale.short_month_names, settings.short_month_names);
  TakeNames(locale.long_month_names, settings.long_month_names);
  TakeNames(locale.short_day_names, settings.short_day_names);
  TakeNames(locale.long_day_names, settings.long_day_names);
  return settings;
}

}  // namespace photopages
