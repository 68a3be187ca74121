// The locale settings of Windows locales as GetLocaleInfoW gives them. Wine's
// locale data is not Windows': every expectation is what the API itself
// returns for the item, never a value written here; the composition rules
// are pinned with plain values in naming/format_settings_test.cpp.
#include "platform/windows_locale_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "common/codepage.h"
#include "common/windows_codepage.h"
#include "naming/format_settings.h"
#include "naming/round_trip.h"
#include "naming/time_value.h"
#include "platform/windows_platform.h"

namespace photopages {
namespace {

// The item `type` of the locale `name`, straight from the API, in the
// locale's own code page.
std::string Item(const wchar_t* name, LCTYPE type) {
  DWORD code_page = 0;
  GetLocaleInfoEx(name, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                  reinterpret_cast<LPWSTR>(&code_page), 2);
  wchar_t value[256] = L"";
  GetLocaleInfoEx(name, type, value, 256);
  return CodePageFromWide(value, static_cast<int>(code_page));
}

int Number(const wchar_t* name, LCTYPE type) {
  DWORD value = 0;
  GetLocaleInfoEx(name, type | LOCALE_RETURN_NUMBER,
                  reinterpret_cast<LPWSTR>(&value), 2);
  return static_cast<int>(value);
}

TEST(WindowsLocaleSettingsTest, ComposedFromWhatTheLocaleGives) {
  for (const wchar_t* name : {L"ja-JP", L"en-US", L"de-DE"}) {
    SCOPED_TRACE(AnsiFromWide(name));
    const LocaleSettings locale = LocaleSettingsOf(LocaleNameToLCID(name, 0));
    EXPECT_EQ(locale.language, Item(name, LOCALE_SISO639LANGNAME));
    EXPECT_EQ(locale.calendar_type, Number(name, LOCALE_ICALENDARTYPE));
    const FormatSettings settings = ComposeFormatSettings(locale);
    EXPECT_EQ(std::string(1, settings.date_separator),
              Item(name, LOCALE_SDATE));
    EXPECT_EQ(std::string(1, settings.time_separator),
              Item(name, LOCALE_STIME));
    EXPECT_EQ(settings.am_designator, Item(name, LOCALE_S1159));
    EXPECT_EQ(settings.pm_designator, Item(name, LOCALE_S2359));
    // The clock from the time-marker items, never the locale's own format.
    const std::string hour = Number(name, LOCALE_ITLZERO) ? "hh" : "h";
    const bool twelve_hour = Number(name, LOCALE_ITIME) == 0;
    const bool before = Number(name, LOCALE_ITIMEMARKPOSN) != 0;
    EXPECT_EQ(settings.long_time_format,
              (twelve_hour && before ? "AMPM " : "") + hour + ":mm:ss" +
                  (twelve_hour && !before ? " AMPM" : ""));
    // January first, Sunday first.
    EXPECT_EQ(settings.long_month_names[0], Item(name, LOCALE_SMONTHNAME1));
    EXPECT_EQ(settings.short_month_names[11],
              Item(name, LOCALE_SABBREVMONTHNAME12));
    EXPECT_EQ(settings.long_day_names[0], Item(name, LOCALE_SDAYNAME7));
    EXPECT_EQ(settings.short_day_names[1], Item(name, LOCALE_SABBREVDAYNAME1));
  }
}

// Wine's Japanese calendar knows only its newest era; Windows knows five.
TEST(WindowsLocaleSettingsTest, ErasOfTheJapaneseCalendar) {
  LocaleSettings locale = LocaleSettingsOf(LocaleNameToLCID(L"ja-JP", 0));
  locale.eras = CalendarEras(LocaleNameToLCID(L"ja-JP", 0), CAL_JAPAN);
  EXPECT_THAT(locale.eras,
              testing::Contains(LocaleEra{AnsiFromUtf8("令和"), 2019}));
  locale.calendar_type = CAL_JAPAN;
  locale.short_date_format = "gg e/MM/dd";
  const FormatSettings settings = ComposeFormatSettings(locale);
  const DateTime value =
      ComposeDateTime(EncodeDate(2020, 3, 4), EncodeTime(5, 6, 7, 0));
  EXPECT_EQ(RoundTrip(value, settings, 2020), value);
}

TEST(WindowsLocaleSettingsTest, TheUsersLocaleIsTheProcesssOne) {
  EXPECT_EQ(WindowsPlatform().UserLocaleSettings(),
            LocaleSettingsOf(LocaleNameToLCID(L"ja-JP", 0)));
}

TEST(WindowsLocaleSettingsTest, TheUsersLocaleIsTheProcesssOneInCodePage1252) {
  EXPECT_EQ(WindowsPlatform().UserLocaleSettings(),
            LocaleSettingsOf(LocaleNameToLCID(L"en-US", 0)));
}

}  // namespace
}  // namespace photopages
