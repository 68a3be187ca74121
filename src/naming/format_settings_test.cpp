#include "naming/format_settings.h"

#include <gtest/gtest.h>

namespace photopages {
namespace {

TEST(FormatSettingsTest, NothingGivenYieldsTheDefaults) {
  FormatSettings s = ComposeFormatSettings(LocaleSettings{});
  EXPECT_EQ(s.date_separator, '/');
  EXPECT_EQ(s.time_separator, ':');
  EXPECT_EQ(s.decimal_separator, '.');
  EXPECT_EQ(s.short_date_format, "m/d/yy");
  EXPECT_EQ(s.long_date_format, "mmmm d, yyyy");
  EXPECT_EQ(s.short_time_format, "h:mm AMPM");
  EXPECT_EQ(s.long_time_format, "h:mm:ss AMPM");
  EXPECT_EQ(s.am_designator, "am");
  EXPECT_EQ(s.pm_designator, "pm");
  EXPECT_EQ(s.two_digit_year_window, 50);
  EXPECT_EQ(s.long_month_names[11], "December");
  EXPECT_EQ(s.short_day_names[0], "Sun");
  EXPECT_TRUE(s.eras.empty());
}

TEST(FormatSettingsTest, TimeFormatsAreComposedFromTheClockItems) {
  struct Case {
    bool twenty_four_hour;
    bool leading_zero;
    bool before;
    const char* short_time;
    const char* long_time;
  };
  const Case cases[] = {
      {true, false, false, "h:mm", "h:mm:ss"},
      {true, true, true, "hh:mm", "hh:mm:ss"},
      {false, false, false, "h:mm AMPM", "h:mm:ss AMPM"},
      {false, true, true, "AMPM hh:mm", "AMPM hh:mm:ss"},
      {false, false, true, "AMPM h:mm", "AMPM h:mm:ss"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.short_time);
    LocaleSettings locale;
    locale.twenty_four_hour = c.twenty_four_hour;
    locale.hour_leading_zero = c.leading_zero;
    locale.designator_before = c.before;
    FormatSettings s = ComposeFormatSettings(locale);
    EXPECT_EQ(s.short_time_format, c.short_time);
    EXPECT_EQ(s.long_time_format, c.long_time);
  }
}

TEST(FormatSettingsTest, SeparatorsAreOneByteAndDesignatorsMayBeEmpty) {
  struct Case {
    const char* given;
    char date, time, decimal;
  };
  const Case cases[] = {
      {"-", '-', '-', '-'},
      {". ", '/', ':', '.'},  // Refused: the defaults.
      {"", '/', ':', '.'},
      {"\x81\x5e", '/', ':', '.'},  // A double-byte character.
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    LocaleSettings locale;
    locale.date_separator = locale.time_separator = locale.decimal_separator =
        c.given;
    FormatSettings s = ComposeFormatSettings(locale);
    EXPECT_EQ(s.date_separator, c.date);
    EXPECT_EQ(s.time_separator, c.time);
    EXPECT_EQ(s.decimal_separator, c.decimal);
  }
  LocaleSettings locale;
  locale.am_designator = "";
  locale.pm_designator = "";
  FormatSettings s = ComposeFormatSettings(locale);
  EXPECT_EQ(s.am_designator, "");
  EXPECT_EQ(s.pm_designator, "");
}

TEST(FormatSettingsTest, EraCalendarsWriteEraYears) {
  struct Case {
    const char* format;
    const char* expected;
  };
  const Case cases[] = {
      {"gg yyyy/MM/dd", "ggg eeee/MM/dd"},
      {"GGG YYYYY", "gggG eeeee"},
      {"yyy", "eee"},
      {"yy'y'", "ee'e'"},
      {"\x83y\x83Y", "\x83y\x83Y"},  // Trail bytes that read as y.
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(EraDateFormat(c.format), c.expected);
  }
  for (int calendar : {3, 4, 5}) {
    SCOPED_TRACE(calendar);
    LocaleSettings locale;
    locale.calendar_type = calendar;
    locale.short_date_format = "yy/M/d";
    locale.long_date_format = "gg yyyy";
    FormatSettings s = ComposeFormatSettings(locale);
    EXPECT_EQ(s.short_date_format, "ee/M/d");
    EXPECT_EQ(s.long_date_format, "ggg eeee");
    EXPECT_FALSE(s.eras.empty());
  }
}

TEST(FormatSettingsTest, ErasOfTheLocaleNewestFirstFromTheirStartYear) {
  LocaleSettings locale;
  locale.calendar_type = 3;
  locale.eras = {{"Heisei", 1989}, {"Reiwa", 2019}, {"Showa", 1926}};
  FormatSettings s = ComposeFormatSettings(locale);
  ASSERT_EQ(s.eras.size(), 3u);
  EXPECT_EQ(s.eras[0].name, "Reiwa");
  EXPECT_EQ(s.eras[1].name, "Heisei");
  EXPECT_EQ(s.eras[2].name, "Showa");
  EXPECT_EQ(s.eras[0].start_year, 2019);
  EXPECT_EQ(s.eras[0].start_month, 1);
  EXPECT_EQ(s.eras[0].start_day, 1);
}

TEST(FormatSettingsTest, ChineseJapaneseAndKoreanLoseEraFields) {
  struct Case {
    const char* language;
    const char* short_date;
    const char* long_date;
  };
  const Case cases[] = {
      {"ja", "yyyy/MM/dd", " \x83g yyyy"},  // The g of \x83g is a trail byte.
      {"zh", "yyyy/MM/dd", " \x83g yyyy"},
      {"ko", "yyyy/MM/dd", " \x83g yyyy"},
      {"en", "ggyyyy/MM/dd", "Gg \x83g yyyy"},
      {"", "ggyyyy/MM/dd", "Gg \x83g yyyy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    LocaleSettings locale;
    locale.language = c.language;
    locale.short_date_format = "ggyyyy/MM/dd";
    locale.long_date_format = "Gg \x83g yyyy";
    FormatSettings s = ComposeFormatSettings(locale);
    EXPECT_EQ(s.short_date_format, c.short_date);
    EXPECT_EQ(s.long_date_format, c.long_date);
    EXPECT_TRUE(s.eras.empty());
  }
}

TEST(FormatSettingsTest, GivenNamesReplaceTheEnglishOnes) {
  LocaleSettings locale;
  locale.long_month_names[0] = "janvier";
  locale.short_day_names[6] = "sam.";
  FormatSettings s = ComposeFormatSettings(locale);
  EXPECT_EQ(s.long_month_names[0], "janvier");
  EXPECT_EQ(s.long_month_names[1], "February");
  EXPECT_EQ(s.short_day_names[6], "sam.");
  EXPECT_EQ(s.short_day_names[5], "Fri");
}

}  // namespace
}  // namespace photopages
