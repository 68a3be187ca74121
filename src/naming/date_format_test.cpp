#include "naming/date_format.h"

#include <gtest/gtest.h>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "naming/date_time_for_test.h"

namespace photopages {
namespace {

struct FormatCase {
  const char* format;
  const char* expected;
};

void ExpectFormats(DateTime value, const FormatSettings& settings,
                   std::initializer_list<FormatCase> cases) {
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(FormatDateTime(c.format, value, settings), c.expected);
  }
}

// Sunday 2 January 2005, 15:04:05.007, with the settings of a locale that
// gives nothing.
TEST(DateFormatTest, EveryFieldKind) {
  ExpectFormats(At(2005, 1, 2, 15, 4, 5, 7), FormatSettings{},
                {
                    {"y", "05"},
                    {"yy", "05"},
                    {"yyy", "2005"},
                    {"YYYYY", "2005"},
                    {"m", "1"},
                    {"mm", "01"},
                    {"mmm", "Jan"},
                    {"MMMMM", "January"},
                    {"d", "2"},
                    {"dd", "02"},
                    {"ddd", "Sun"},
                    {"dddd", "Sunday"},
                    {"ddddd", "1/2/05"},
                    {"dddddddd", "January 2, 2005"},
                    {"h", "15"},
                    {"hhh", "15"},
                    {"n", "4"},
                    {"NNN", "04"},
                    {"s", "5"},
                    {"sss", "05"},
                    {"z", "7"},
                    {"zz", "07"},
                    {"zzzz", "007"},
                    {"t", "3:04 pm"},
                    {"tt", "3:04:05 pm"},
                    {"c", "1/2/05 3:04:05 pm"},
                    {"am/pm", "pm"},
                    {"Am/pM", "pM"},
                    {"a/p", "p"},
                    {"A/P", "P"},
                    {"ampm", "pm"},
                    {"aaaa", "Sunday"},
                    {"aaa", "Sun"},
                    {"aa", "aa"},
                    {"x q", "x q"},
                    {"g", ""},
                    {"e", "5"},
                    {"ee", "05"},
                    {"eeee", "2005"},
                    {"/", "/"},
                    {":", ":"},
                    {"y-m-d h.n,s", "05-1-2 15.4,5"},
                    {"", ""},
                });
  ExpectFormats(At(2005, 12, 31, 0, 0, 0, 999), FormatSettings{},
                {{"c", "12/31/05"}, {"h ampm", "12 am"}, {"ddd", "Sat"}});
}

TEST(DateFormatTest, SeparatorsAndNamesComeFromTheSettings) {
  FormatSettings settings;
  settings.date_separator = '.';
  settings.time_separator = '-';
  settings.am_designator = "";
  settings.long_month_names[0] = "janvier";
  ExpectFormats(At(2005, 1, 2, 9, 4, 5, 0), settings,
                {{"d/m/yyyy h:nn", "2.1.2005 9-04"},
                 {"mmmm", "janvier"},
                 {"h ampm", "9 "}});
}

TEST(DateFormatTest, MinutesOnlyRightAfterAnHourField) {
  ExpectFormats(
      At(2005, 1, 2, 15, 4, 5, 0), FormatSettings{},
      {
          {"hh:mm", "15:04"},
          {"hh'x'mm", "15x04"},  // Quoted text keeps the memory.
          {"hh mmm", "15 04"},
          {"hh d mm", "15 2 01"},  // Another field replaces it.
          {"hh mm mm", "15 04 01"},
          {"hhqmm", "15q01"},  // So does any other letter.
          {"mm hh", "01 15"},
          {"Hh", "1515"},
          {"hh\x83\x6dmm", "1501"},  // ノ clears it, printing nothing.
      });
}

TEST(DateFormatTest, TwelveHourClockFromTheLookAhead) {
  ExpectFormats(At(2005, 1, 2, 15, 4, 5, 0), FormatSettings{},
                {
                    {"h am/pm", "3 pm"},
                    {"h a/p", "3 p"},
                    {"h AMPM", "3 pm"},
                    {"h h am/pm", "15 3 pm"},  // Stops at the next hour.
                    {"h 'am/pm'", "15 am/pm"},
                    {"h \"'\" am/pm", "3 ' pm"},
                    {"h a am/pm", "15 a pm"},  // Stops at the first a.
                    {"am/pm h", "pm 3"},
                    {"h am/pm h", "3 pm 3"},   // Stays on for the format.
                    {"h\x83h am/pm", "3 pm"},  // The h of ド is no field.
                    {"h\x83"
                     "a/p",
                     "15/p"},  // Nor the a of ヂ.
                });
  ExpectFormats(At(2005, 1, 2, 0, 30, 0, 0), FormatSettings{},
                {{"h:nn am/pm", "12:30 am"}, {"hh:nn", "00:30"}});
  ExpectFormats(At(2005, 1, 2, 12, 30, 0, 0), FormatSettings{},
                {{"h:nn am/pm", "12:30 pm"}});
  FormatSettings settings;
  settings.short_time_format = "h:nn";
  ExpectFormats(At(2005, 1, 2, 15, 4, 5, 0), settings,
                {{"am/pm t", "pm 15:04"}});  // A nested format has its own.
}

TEST(DateFormatTest, QuotedText) {
  const AnsiString hyo = "\x95\x5c";  // 表: its trail byte is a backslash.
  ExpectFormats(At(2005, 1, 2, 15, 4, 5, 0), FormatSettings{},
                {
                    {"'yy'mm", "yy01"},
                    {"\"a'b\"", "a'b"},
                    {"yyyy'abc", "2005abc"},  // Never closed: the rest.
                    {"yy\"", "05"},
                    {"\"\x95\x5c\"d",
                     "\x95\x5c"
                     "2"},
                    {"'\x95'yy", "\x95'yy"},  // A lead byte takes the quote.
                    {"yy\x95", "05"},
                });
}

TEST(DateFormatTest, NestsTwoLevelsDeep) {
  FormatSettings settings;
  settings.short_date_format = "<ddddd>";
  settings.long_date_format = "[t]";
  settings.long_time_format = "{tt}";
  settings.short_time_format = "hh";
  ExpectFormats(
      At(2005, 1, 2, 15, 4, 5, 0), settings,
      {{"ddddd", "<>"}, {"dddddd", "[]"}, {"c", "<> {}"}, {"tt", "{}"}});
  EXPECT_EQ(DateText(At(2005, 1, 2, 15, 4, 5, 0), settings), "<<>> {{}}");
}

TEST(DateFormatTest, CutAt256Bytes) {
  FormatSettings settings;
  settings.long_date_format = AnsiString(200, 'x');
  settings.short_date_format = "'" + AnsiString(300, 'y') + "'";
  DateTime value = At(2005, 1, 2, 15, 4, 5, 0);
  EXPECT_EQ(FormatDateTime(AnsiString(300, 'q'), value, settings),
            AnsiString(256, 'q'));
  EXPECT_EQ(FormatDateTime("dddddd dddddd", value, settings),
            AnsiString(200, 'x') + " " + AnsiString(55, 'x'));
  EXPECT_EQ(DateText(value, settings), AnsiString(256, 'y'));
}

TEST(DateFormatTest, EraFields) {
  FormatSettings japanese;
  japanese.eras = ErasOfCalendar(kJapaneseEraCalendar);
  japanese.short_era_is_first_character = true;
  struct Case {
    DateTime value;
    const char* format;
    const char* utf8;
  };
  const Case cases[] = {
      {At(2005, 1, 2, 0, 0, 0, 0), "gg e/m/d", "平成 17/1/2"},
      {At(2005, 1, 2, 0, 0, 0, 0), "g ee eeee", "平 17 0017"},
      {At(2019, 5, 1, 0, 0, 0, 0), "ggg e ee", "令和 1 01"},
      {At(2019, 4, 30, 0, 0, 0, 0), "gge", "平成31"},
      {At(1989, 1, 7, 0, 0, 0, 0), "gge", "昭和64"},
      {At(1912, 7, 30, 0, 0, 0, 0), "gge", "大正1"},
      {At(1868, 1, 1, 0, 0, 0, 0), "gge", "明治1"},
      {At(1867, 12, 31, 0, 0, 0, 0), "<gge>", "<>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(FormatDateTime(c.format, c.value, japanese),
              AnsiFromUtf8(c.utf8));
  }
  FormatSettings taiwan;
  taiwan.eras = ErasOfCalendar(kTaiwanCalendar);
  EXPECT_EQ(FormatDateTime("g e", At(2005, 1, 2, 0, 0, 0, 0), taiwan),
            AnsiFromUtf8("中華民國 94"));
  FormatSettings korean;
  korean.eras = ErasOfCalendar(kKoreanTangunCalendar);
  EXPECT_EQ(FormatDateTime("gg eeee", At(2005, 1, 2, 0, 0, 0, 0), korean),
            "?? 4338");
}

// The name pattern, with every locale's settings alike.
TEST(DateFormatTest, NamePattern) {
  const AnsiString& pattern = MessageText(Message::kTimestampNamePattern);
  EXPECT_EQ(pattern.size(), 43u);
  struct Case {
    DateTime value;
    const char* utf8;
  };
  const Case cases[] = {
      {At(2005, 1, 2, 3, 4, 5, 678), "2005年01月02日03時04分05秒01秒"},
      {At(2005, 1, 2, 23, 59, 59, 999), "2005年01月02日23時59分59秒01秒"},
      {At(2005, 1, 2, 0, 0, 0, 0), "2005年01月02日00時00分00秒01秒"},
      {At(1999, 12, 31, 12, 0, 0, 0), "1999年12月31日12時00分00秒12秒"},
      {At(812, 6, 7, 8, 9, 10, 0), "0812年06月07日08時09分10秒06秒"},
  };
  FormatSettings other;
  other.date_separator = '.';
  other.time_separator = '-';
  other.am_designator = other.pm_designator = "";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(FormatDateTime(pattern, c.value, FormatSettings{}),
              AnsiFromUtf8(c.utf8));
    EXPECT_EQ(FormatDateTime(pattern, c.value, other), AnsiFromUtf8(c.utf8));
  }
}

TEST(DateFormatTest, DateFieldOutsideTheYearsIsARangeError) {
  EXPECT_THROW(FormatDateTime("yyyy", 3e6, FormatSettings{}), ConvertError);
  EXPECT_EQ(FormatDateTime("'x'", 3e6, FormatSettings{}), "x");
}

}  // namespace
}  // namespace photopages
