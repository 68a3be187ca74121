#include "naming/round_trip.h"

#include <gtest/gtest.h>

#include <random>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "naming/date_format.h"
#include "naming/date_reader.h"
#include "naming/date_time_for_test.h"
#include "platform/posix_locale_settings.h"

namespace photopages {
namespace {

std::string Show(DateTime value) {
  return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", value, FormatSettings{});
}

FormatSettings Locale(const char* name) {
  return ComposeFormatSettings(LocaleSettingsFor(name));
}

TEST(RoundTripTest, FourDigitYearsOnA24HourClockCutToTheSecond) {
  FormatSettings japan = Locale("ja_JP.UTF-8");
  EXPECT_EQ(DateText(At(2005, 1, 2, 15, 4, 5, 678), japan),
            "2005/01/02 15:04:05");
  EXPECT_EQ(Show(RoundTrip(At(2005, 1, 2, 15, 4, 5, 678), japan, 2005)),
            "2005-01-02 15:04:05.000");
  // Less than a second after midnight: a date text without a time.
  EXPECT_EQ(DateText(At(2005, 1, 2, 0, 0, 0, 999), japan), "2005/01/02");
  EXPECT_EQ(Show(RoundTrip(At(2005, 1, 2, 0, 0, 0, 999), japan, 2005)),
            "2005-01-02 00:00:00.000");
}

TEST(RoundTripTest, EveryLocaleOfTheTableKeepsAnOrdinaryDate) {
  struct Case {
    const char* locale;
    const char* afternoon_text;  // In the locale's code page.
  };
  const Case cases[] = {
      {"ja_JP", "1999/12/31 15:04:05"},
      {"en_US", "12/31/1999 3:04:05 PM"},
      {"en_GB", "31/12/1999 15:04:05"},
      {"de_DE", "31.12.1999 15:04:05"},
      {"fr_FR", "31/12/1999 15:04:05"},
      {"zh_CN", "1999/12/31 15:04:05"},
      {"zh_TW",
       "1999/12/31 \xA4\x55\xA4\xC8 03:04:05"},  // 下午, code page 950.
      {"C", "12/31/99 3:04:05 pm"},
      {"", "12/31/99 3:04:05 pm"},
      {"ko_KR", "1999-12-31 \xBF\xC0\xC8\xC4 3:04:05"},  // 오후, code page 949.
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    FormatSettings settings = Locale(c.locale);
    EXPECT_EQ(Show(RoundTrip(At(2005, 1, 2, 3, 4, 5, 678), settings, 2024)),
              "2005-01-02 03:04:05.000");
    EXPECT_EQ(DateText(At(1999, 12, 31, 15, 4, 5, 999), settings),
              c.afternoon_text);
    EXPECT_EQ(Show(RoundTrip(At(1999, 12, 31, 15, 4, 5, 999), settings, 1999)),
              "1999-12-31 15:04:05.000");
  }
}

TEST(RoundTripTest, TwoDigitYearsFollowTheCurrentYear) {
  FormatSettings defaults;  // "m/d/yy".
  struct Case {
    int year, current_year;
    const char* expected;
  };
  const Case cases[] = {
      {1950, 2005, "2050-06-07 08:09:10.000"},
      {1955, 2005, "1955-06-07 08:09:10.000"},
      {2004, 2005, "2004-06-07 08:09:10.000"},
      {1960, 2011, "2060-06-07 08:09:10.000"},
      {1960, 2010, "1960-06-07 08:09:10.000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(Show(RoundTrip(At(c.year, 6, 7, 8, 9, 10, 0), defaults,
                             c.current_year)),
              c.expected);
  }
}

TEST(RoundTripTest, DateTextsThatCannotBeReadStopTheRun) {
  LocaleSettings kanji = LocaleSettingsFor("ja_JP");
  kanji.short_date_format = AnsiFromUtf8("yyyy'年'MM'月'dd'日'");
  LocaleSettings month_names;
  month_names.short_date_format = "dd mmm yyyy";
  LocaleSettings german_months = LocaleSettingsFor("de_DE");
  german_months.short_date_format = "dd. MMM yyyy";
  LocaleSettings wide_separator;  // Refused: the short date keeps ". ".
  wide_separator.date_separator = ". ";
  wide_separator.short_date_format = "yyyy. MM. dd.";
  struct Case {
    const LocaleSettings& locale;
    const char* utf8_text;
  };
  const Case cases[] = {
      {kanji, "2005年01月02日 3:04:05"},
      {month_names, "02 Jan 2005 3:04:05 am"},
      {german_months, "02. Jan 2005 03:04:05"},
      {wide_separator, "2005. 01. 02. 3:04:05 am"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8_text);
    try {
      RoundTrip(At(2005, 1, 2, 3, 4, 5, 0), ComposeFormatSettings(c.locale),
                2005);
      ADD_FAILURE() << "no error";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.Message(), FormatMessage(Message::kInvalidDateTime,
                                           AnsiFromUtf8(c.utf8_text)));
    }
  }
}

TEST(RoundTripTest, EmptyDesignatorsMoveTheAfternoonToTheMorning) {
  LocaleSettings locale;
  locale.short_date_format = "yyyy/MM/dd";
  locale.am_designator = locale.pm_designator = "";
  EXPECT_EQ(Show(RoundTrip(At(2005, 1, 2, 15, 4, 5, 0),
                           ComposeFormatSettings(locale), 2005)),
            "2005-01-02 03:04:05.000");
}

TEST(RoundTripTest, WeekdayInTheShortDateLosesOrStopsTheTime) {
  LocaleSettings japan = LocaleSettingsFor("ja_JP");
  japan.short_date_format = "yyyy/MM/dd ddd";
  EXPECT_EQ(Show(RoundTrip(At(2005, 1, 2, 15, 4, 5, 0),
                           ComposeFormatSettings(japan), 2005)),
            "2005-01-02 00:00:00.000");
  LocaleSettings america = LocaleSettingsFor("en_US");
  america.short_date_format = "ddd M/d/yyyy";
  EXPECT_THROW(RoundTrip(At(2005, 1, 2, 15, 4, 5, 0),
                         ComposeFormatSettings(america), 2005),
               ConvertError);
  america.short_date_format = "M/d/yyyy ddd";
  EXPECT_THROW(RoundTrip(At(2005, 1, 2, 15, 4, 5, 0),
                         ComposeFormatSettings(america), 2005),
               ConvertError);
}

TEST(RoundTripTest, JapaneseEraCalendar) {
  LocaleSettings locale = LocaleSettingsFor("ja_JP");
  locale.calendar_type = 3;
  locale.short_date_format = "gg yy/MM/dd";
  FormatSettings settings = ComposeFormatSettings(locale);
  EXPECT_EQ(DateText(At(2005, 1, 2, 15, 4, 5, 0), settings),
            AnsiFromUtf8("平成 17/01/02 15:04:05"));
  EXPECT_EQ(Show(RoundTrip(At(2005, 1, 2, 15, 4, 5, 0), settings, 2005)),
            "2005-01-02 15:04:05.000");
}

// Random settings and date texts: every outcome is a value within years 1 to
// 9999 or the conversion error.
TEST(RoundTripTest, RandomSettingsAndTextsNeverCrash) {
  std::mt19937 random(20050102);
  auto pick = [&](std::initializer_list<const char*> choices) {
    std::uniform_int_distribution<size_t> d(0, choices.size() - 1);
    return AnsiString(*(choices.begin() + d(random)));
  };
  auto pick_number = [&](std::initializer_list<int> choices) {
    std::uniform_int_distribution<size_t> d(0, choices.size() - 1);
    return *(choices.begin() + d(random));
  };
  auto number = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const std::string alphabet = "0123456789 /.:-,aApPmMgGeEyYdD'\"\x81\x95\x5c";
  auto text = [&](int length) {
    AnsiString t;
    for (int i = 0; i < length; ++i)
      t += alphabet[number(0, alphabet.size() - 1)];
    return t;
  };
  int values = 0;
  for (int i = 0; i < 4000; ++i) {
    LocaleSettings locale;
    locale.language = pick({"ja", "en", "ko"});
    locale.calendar_type = pick_number({1, 3, 4, 5, 0});
    locale.date_separator = pick({"/", ".", "-", " ", ":", ". ", ""});
    locale.time_separator = pick({":", ".", "/", " "});
    locale.decimal_separator = pick({".", ",", ":"});
    locale.short_date_format =
        i % 3 == 0 ? text(number(0, 20))
                   : pick({"m/d/yy", "yyyy/MM/dd", "dd.MM.yyyy", "gg e/M/d",
                           "ddd d/M/y", "yy", "'x' ddddd", "c t"});
    locale.long_date_format = pick({"dddddd", "mmmm d, yyyy", "c", "gg"});
    locale.am_designator = pick({"am", "", "AM", "\x8c\xdf\x91\x4f", "1"});
    locale.pm_designator = pick({"pm", "", "PM", "\x8c\xdf\x8c\xe3", "am"});
    locale.twenty_four_hour = pick_number({0, 1}) != 0;
    locale.hour_leading_zero = pick_number({0, 1}) != 0;
    locale.designator_before = pick_number({0, 1}) != 0;
    FormatSettings settings = ComposeFormatSettings(locale);
    DateTime value =
        At(number(1, 9999), number(1, 12), number(1, 28), number(0, 23),
           number(0, 59), number(0, 59), number(0, 999));
    int current_year = number(1, 9999);
    for (const AnsiString& date_text :
         {DateText(value, settings), text(number(0, 30))}) {
      ASSERT_LE(date_text.size(), kFormattedTextLimit);
      try {
        DateTime read = ReadDateText(date_text, settings, current_year);
        DecodeDate(read);
        ++values;
      } catch (const ConvertError&) {
      }
    }
    EXPECT_LE(FormatDateTime(text(number(0, 40)), value, settings).size(),
              kFormattedTextLimit);
  }
  EXPECT_GT(values, 500);
}

}  // namespace
}  // namespace photopages
