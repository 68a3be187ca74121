#include "naming/date_reader.h"

#include <gtest/gtest.h>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "naming/date_format.h"

namespace photopages {
namespace {

// Every value as "yyyy-mm-dd hh:nn:ss.zzz"; "error" for none.
std::string Read(const char* utf8_text, const FormatSettings& settings) {
  std::optional<DateTime> value =
      TryReadDateText(AnsiFromUtf8(utf8_text), settings, 2005);
  if (!value) return "error";
  return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", *value, FormatSettings{});
}

struct ReadCase {
  const char* text;  // UTF-8.
  const char* expected;
};

void ExpectReads(const FormatSettings& settings,
                 std::initializer_list<ReadCase> cases) {
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Read(c.text, settings), c.expected);
  }
}

FormatSettings Settings(const char* short_date, char separator, const char* am,
                        const char* pm) {
  FormatSettings settings;
  settings.short_date_format = AnsiFromUtf8(short_date);
  settings.date_separator = separator;
  settings.am_designator = AnsiFromUtf8(am);
  settings.pm_designator = AnsiFromUtf8(pm);
  return settings;
}

TEST(DateReaderTest, MonthFirstWithTwoDigitYears) {
  ExpectReads(FormatSettings{},  // "m/d/yy", current year 2005.
              {
                  {"1/2/05", "2005-01-02 00:00:00.000"},
                  {"1/2/55", "1955-01-02 00:00:00.000"},
                  {"1/2/54", "2054-01-02 00:00:00.000"},
                  {"1/2/0054", "0054-01-02 00:00:00.000"},
                  {"12/31/954", "0954-12-31 00:00:00.000"},
                  {"  1 /  2 / 2005  ", "2005-01-02 00:00:00.000"},
                  {"1/2", "2005-01-02 00:00:00.000"},
                  {"1/2/", "error"},
                  {"2/29/2004", "2004-02-29 00:00:00.000"},
                  {"2/29/2005", "error"},
                  {"13/1/2005", "error"},
                  {"0/1/2005", "error"},
                  {"1/2/0", "2000-01-02 00:00:00.000"},
                  {"12345/1/1", "error"},
                  {"1-2-2005", "error"},
                  {"", "error"},
                  {"   ", "error"},
              });
}

TEST(DateReaderTest, TimeAfterTheDate) {
  ExpectReads(FormatSettings{},
              {
                  {"1/2/2005 3:04:05 pm", "2005-01-02 15:04:05.000"},
                  {"1/2/2005 3:04:05PM", "2005-01-02 15:04:05.000"},
                  {"1/2/2005 pm 3:04:05", "2005-01-02 15:04:05.000"},
                  {"1/2/2005 AM 12:30", "2005-01-02 00:30:00.000"},
                  {"1/2/2005 12 pm", "2005-01-02 12:00:00.000"},
                  {"1/2/2005 3:04:05.5", "2005-01-02 03:04:05.005"},
                  {"1/2/2005 3", "2005-01-02 03:00:00.000"},
                  {"1/2/2005 3:04 and more", "2005-01-02 03:04:00.000"},
                  {"1/2/2005 13 pm", "error"},
                  {"1/2/2005 0 am", "error"},
                  {"1/2/2005 24:00", "error"},
                  {"1/2/2005 3:60", "error"},
                  {"1/2/2005 3:04:60", "error"},
                  {"1/2/2005 3:04:05.1000", "error"},
                  {"1/2/2005 3:", "error"},
                  {"1/2/2005 pm", "error"},
                  {"1/2/2005 xyz", "error"},
                  {"1/2/2005\t3:04", "error"},  // Only spaces are blanks.
              });
}

TEST(DateReaderTest, TimeAloneWhenNoDateCanBeRead) {
  ExpectReads(FormatSettings{}, {
                                    {"3:04:05", "1899-12-30 03:04:05.000"},
                                    {" pm 3:04 ", "1899-12-30 15:04:00.000"},
                                    {"3:04:05 pm", "1899-12-30 15:04:05.000"},
                                    {"2/30/2005", "error"},
                                    {"3:04:05 x", "error"},
                                });
}

TEST(DateReaderTest, DayFirstAndYearFirst) {
  FormatSettings german = Settings("dd.MM.yyyy", '.', "", "");
  german.decimal_separator = ',';
  ExpectReads(german,
              {
                  {"02.01.2005 15:04:05", "2005-01-02 15:04:05.000"},
                  {"02.01.2005 15:04:05,678", "2005-01-02 15:04:05.678"},
                  {"02.01.", "error"},
                  {"02.01.2005 3:04:05 PM", "2005-01-02 15:04:05.000"},
                  {"02.01.2005 3:04:05 ", "2005-01-02 03:04:05.000"},
                  {"02/01/2005", "error"},
              });
  ExpectReads(Settings("yyyy/MM/dd", '/', "午前", "午後"),
              {
                  {"2005/01/02 15:04:05", "2005-01-02 15:04:05.000"},
                  {"2005/01/02 午後 3:04:05", "2005-01-02 15:04:05.000"},
                  {"2005/01/02 3:04:05午前", "2005-01-02 03:04:05.000"},
                  {"05/1/2", "2005-01-02 00:00:00.000"},
                  {"1/2", "2005-01-02 00:00:00.000"},
                  {"2005年01月02日", "error"},
                  {"2005/01/02 15時04分", "2005-01-02 15:00:00.000"},
              });
  // The first such letter decides, quoted or not: the e of "week".
  ExpectReads(Settings("'week' d/M/yy", '/', "am", "pm"),
              {{"2/1/05", "2002-01-05 00:00:00.000"}});
}

TEST(DateReaderTest, EraYears) {
  FormatSettings named = Settings("gggee/MM/dd", '/', "", "");
  named.eras = ErasOfCalendar(kJapaneseEraCalendar);
  ExpectReads(named, {
                         {"平成17/01/02", "2005-01-02 00:00:00.000"},
                         {" 平 17/01/02", "2005-01-02 00:00:00.000"},
                         {"明治45/07/29", "1912-07-29 00:00:00.000"},
                         {"17/01/02", "2035-01-02 00:00:00.000"},   // Newest.
                         {"X17/01/02", "2017-01-02 00:00:00.000"},  // None.
                         {"平成9999/01/02", "error"},
                     });
  FormatSettings unnamed = named;
  unnamed.short_date_format = "ee/MM/dd";
  ExpectReads(unnamed, {{"1/05/01", "2019-05-01 00:00:00.000"}});
  FormatSettings korean = Settings("gg eeee-MM-dd", '-', "", "");
  korean.eras = ErasOfCalendar(kKoreanTangunCalendar);
  ExpectReads(korean, {{"?? 4338-01-02", "2005-01-02 00:00:00.000"}});
}

// A weekday in the short date format makes the reading skip the words after
// the date up to a designator.
TEST(DateReaderTest, WeekdayWordsAreSkipped) {
  ExpectReads(Settings("yyyy/MM/dd ddd", '/', "午前", "午後"),
              {
                  {"2005/01/02 Sun 15:04:05", "2005-01-02 00:00:00.000"},
                  {"2005/01/02 Sun 午後 3:04:05", "2005-01-02 15:04:05.000"},
                  {"2005/01/02 Sun 3:04:05 午後", "error"},
              });
  ExpectReads(Settings("yyyy/MM/dd ddd", '/', "", ""),
              {{"2005/01/02 Sun PM 3:04:05", "2005-01-02 00:00:00.000"}});
}

TEST(DateReaderTest, ConversionErrorNamesTheText) {
  const AnsiString text = AnsiFromUtf8("2005年01月02日");
  try {
    ReadDateText(text, FormatSettings{}, 2005);
    ADD_FAILURE() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.Message(), FormatMessage(Message::kInvalidDateTime, text));
  }
}

}  // namespace
}  // namespace photopages
