#include "naming/time_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/errors.h"
#include "common/messages.h"

namespace photopages {
namespace {

struct DayCase {
  int year, month, day;
  double day_number;
  int day_of_week;  // Sunday 0.
};

TEST(TimeValueTest, DayNumbersAndBack) {
  const DayCase cases[] = {
      {1, 1, 1, -693593, 1},    {1600, 2, 29, -109512, 2},
      {1899, 12, 29, -1, 5},    {1899, 12, 30, 0, 6},
      {1900, 1, 1, 2, 1},       {1900, 3, 1, 61, 4},
      {2000, 2, 29, 36585, 2},  {2000, 3, 1, 36586, 3},
      {2004, 12, 31, 38352, 5}, {2005, 1, 2, 38354, 0},
      {2100, 3, 1, 73110, 1},   {9999, 12, 31, 2958465, 5},
  };
  for (const DayCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.day_number);
    DateFields d = DecodeDate(ComposeDateTime(c.day_number, 0.75));
    EXPECT_EQ(d.year, c.year);
    EXPECT_EQ(d.month, c.month);
    EXPECT_EQ(d.day, c.day);
    EXPECT_EQ(d.day_of_week, c.day_of_week);
  }
}

TEST(TimeValueTest, RangeErrors) {
  struct Case {
    int a, b, c, d;
    bool is_date;
  };
  const Case cases[] = {
      {0, 1, 1, 0, true},     {10000, 1, 1, 0, true}, {2005, 0, 1, 0, true},
      {2005, 13, 1, 0, true}, {2005, 1, 0, 0, true},  {2005, 4, 31, 0, true},
      {1900, 2, 29, 0, true}, {2005, 2, 29, 0, true}, {24, 0, 0, 0, false},
      {0, 60, 0, 0, false},   {0, 0, 60, 0, false},   {0, 0, 0, 1000, false},
      {-1, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c);
    try {
      if (c.is_date) {
        EncodeDate(c.a, c.b, c.c);
      } else {
        EncodeTime(c.a, c.b, c.c, c.d);
      }
      ADD_FAILURE() << "no error";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.Message(), MessageText(c.is_date ? Message::kInvalidDate
                                                   : Message::kInvalidTime));
    }
  }
  EXPECT_EQ(EncodeTime(23, 59, 59, 999), 86'399'999.0 / kMillisecondsPerDay);
}

TEST(TimeValueTest, SplittingRoundsToMillisecondsThenCuts) {
  struct Case {
    double value;
    int hour, minute, second, millisecond;
  };
  const double ms = kMillisecondsPerDay;
  const Case cases[] = {
      {EncodeTime(23, 59, 59, 999), 23, 59, 59, 999},
      {EncodeTime(3, 4, 5, 678), 3, 4, 5, 678},
      {0.4 / ms, 0, 0, 0, 0},
      {0.6 / ms, 0, 0, 0, 1},
      {1.5 / ms, 0, 0, 0, 2},  // A tie goes to the even neighbour.
      {2.5 / ms, 0, 0, 0, 2},
      {-1.25, 6, 0, 0, 0},  // Before day 0 the fraction still counts forward.
      {std::numeric_limits<double>::quiet_NaN(), 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    TimeFields t = DecodeTime(c.value);
    EXPECT_EQ(t.hour, c.hour);
    EXPECT_EQ(t.minute, c.minute);
    EXPECT_EQ(t.second, c.second);
    EXPECT_EQ(t.millisecond, c.millisecond);
  }
  EXPECT_EQ(DecodeDate(-1.25).day, 29);
  EXPECT_EQ(DecodeDate(38354.9999999999).day,
            3);  // Rounds up into the next day.
}

TEST(TimeValueTest, ComposingKeepsTheDayBeforeDayZero) {
  DateTime time = EncodeTime(6, 0, 0, 0);
  EXPECT_EQ(ComposeDateTime(EncodeDate(1899, 12, 29), time), -1.25);
  EXPECT_EQ(ComposeDateTime(EncodeDate(1899, 12, 31), time), 1.25);
  DateFields d = DecodeDate(ComposeDateTime(EncodeDate(1800, 5, 6), time));
  EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, 18000506);
}

TEST(TimeValueTest, DecodingOutsideTheYearsIsARangeError) {
  for (double value :
       {-693594.0, 2958466.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(value);
    EXPECT_THROW(DecodeDate(value), ConvertError);
  }
}

}  // namespace
}  // namespace photopages
