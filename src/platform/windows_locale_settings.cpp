#include "platform/windows_locale_settings.h"

#include <string>
#include <vector>

#include "common/windows_codepage.h"

namespace photopages {
namespace {

// The item `type` of `locale` as UTF-16; nothing when the locale does not
// give it.
std::optional<std::wstring> WideItem(LCID locale, LCTYPE type) {
  const int size = GetLocaleInfoW(locale, type, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring value(static_cast<size_t>(size), L'\0');
  if (GetLocaleInfoW(locale, type, value.data(), size) <= 0) {
    return std::nullopt;
  }
  value.resize(static_cast<size_t>(size) - 1);  // Without the final NUL.
  return value;
}

int NumberItem(LCID locale, LCTYPE type) {
  DWORD value = 0;
  if (GetLocaleInfoW(locale, type | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&value),
                     sizeof value / sizeof(wchar_t)) <= 0) {
    return 0;
  }
  return static_cast<int>(value);
}

// EnumCalendarInfoW hands its values to a function without a context; they
// are gathered here, on the thread that enumerates.
thread_local std::vector<std::wstring>* calendar_values = nullptr;

BOOL CALLBACK GatherCalendarValue(LPWSTR value) {
  calendar_values->push_back(value);
  return TRUE;
}

// The values of `type` for each era of `calendar`, in the system's order.
std::vector<std::wstring> CalendarValues(LCID locale, CALID calendar,
                                         CALTYPE type) {
  std::vector<std::wstring> values;
  calendar_values = &values;
  EnumCalendarInfoW(GatherCalendarValue, locale, calendar, type);
  calendar_values = nullptr;
  return values;
}

// The locale's items, as bytes in the locale's own ANSI code page.
class LocaleItems {
 public:
  explicit LocaleItems(LCID locale)
      : locale_(locale),
        code_page_(NumberItem(locale, LOCALE_IDEFAULTANSICODEPAGE)) {}

  // The text of `type`; nothing when the locale does not give it.
  std::optional<std::string> Text(LCTYPE type) const {
    std::optional<std::wstring> value = WideItem(locale_, type);
    if (!value) return std::nullopt;
    return Bytes(*value);
  }
  int Number(LCTYPE type) const { return NumberItem(locale_, type); }
  std::string Bytes(std::wstring_view text) const {
    return CodePageFromWide(text, code_page_);
  }

 private:
  LCID locale_;
  int code_page_;
};

}  // namespace

std::vector<LocaleEra> CalendarEras(LCID locale, CALID calendar) {
  const LocaleItems items(locale);
  const std::vector<std::wstring> names =
      CalendarValues(locale, calendar, CAL_SERASTRING);
  const std::vector<std::wstring> start_years =
      CalendarValues(locale, calendar, CAL_IYEAROFFSETRANGE);
  std::vector<LocaleEra> eras;
  for (size_t i = 0; i < names.size() && i < start_years.size(); ++i) {
    eras.push_back({items.Bytes(names[i]), _wtoi(start_years[i].c_str())});
  }
  return eras;
}

LocaleSettings LocaleSettingsOf(LCID locale) {
  const LocaleItems items(locale);
  LocaleSettings settings;
  if (std::optional<std::string> language =
          items.Text(LOCALE_SISO639LANGNAME)) {
    settings.language = AnsiLowerCase(*language);
  }
  settings.calendar_type = items.Number(LOCALE_ICALENDARTYPE);
  settings.eras =
      CalendarEras(locale, static_cast<CALID>(settings.calendar_type));
  settings.date_separator = items.Text(LOCALE_SDATE);
  settings.short_date_format = items.Text(LOCALE_SSHORTDATE);
  settings.long_date_format = items.Text(LOCALE_SLONGDATE);
  settings.time_separator = items.Text(LOCALE_STIME);
  settings.decimal_separator = items.Text(LOCALE_SDECIMAL);
  settings.am_designator = items.Text(LOCALE_S1159);
  settings.pm_designator = items.Text(LOCALE_S2359);
  settings.twenty_four_hour = items.Number(LOCALE_ITIME) != 0;
  settings.hour_leading_zero = items.Number(LOCALE_ITLZERO) != 0;
  settings.designator_before = items.Number(LOCALE_ITIMEMARKPOSN) != 0;
  for (int i = 0; i < 12; ++i) {
    settings.short_month_names[i] = items.Text(LOCALE_SABBREVMONTHNAME1 + i);
    settings.long_month_names[i] = items.Text(LOCALE_SMONTHNAME1 + i);
  }
  // The locale counts its weekdays from Monday (LOCALE_SDAYNAME1), the
  // settings from Sunday.
  for (int i = 0; i < 7; ++i) {
    const int from_monday = (i + 6) % 7;
    settings.short_day_names[i] =
        items.Text(LOCALE_SABBREVDAYNAME1 + from_monday);
    settings.long_day_names[i] = items.Text(LOCALE_SDAYNAME1 + from_monday);
  }
  return settings;
}

}  // namespace photopages
