// PosixPlatform's clock and time zone: local time by the C library's rules
// (TZ) at the moment itself, and Now().
#include <gtest/gtest.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <string>

#include "common/errors.h"
#include "platform/posix_environment_for_test.h"
#include "platform/posix_platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

const char* const kArgv[] = {"photopages_tests"};

UtcTime Utc(int year, int month, int day, int hour, int minute, int second,
            int32_t nanosecond) {
  tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  return {static_cast<int64_t>(timegm(&fields)), nanosecond};
}

std::string Text(const LocalDateTime& t) {
  char text[64];
  snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year,
           t.month, t.day, t.hour, t.minute, t.second, t.millisecond);
  return text;
}

TEST(PosixPlatformTest, ToLocalTimeUsesTheOffsetOfTheMoment) {
  const struct {
    const char* tz;
    UtcTime moment;
    LocalDateTime expected;
  } cases[] = {
      {"Asia/Tokyo",
       Utc(2005, 1, 1, 18, 4, 5, 678'900'000),
       {2005, 1, 2, 3, 4, 5, 678}},
      {"Europe/Berlin",
       Utc(2021, 1, 15, 12, 0, 0, 0),
       {2021, 1, 15, 13, 0, 0, 0}},
      {"Europe/Berlin",
       Utc(2021, 7, 15, 12, 0, 0, 0),
       {2021, 7, 15, 14, 0, 0, 0}},
      {"Europe/Berlin",
       Utc(2021, 3, 28, 0, 59, 59, 999'999'999),
       {2021, 3, 28, 1, 59, 59, 999}},
      {"Europe/Berlin",
       Utc(2021, 3, 28, 1, 0, 0, 0),
       {2021, 3, 28, 3, 0, 0, 0}},
      {"UTC", {-1, 999'999'999}, {1969, 12, 31, 23, 59, 59, 999}},
      {"UTC", {-1, 0}, {1969, 12, 31, 23, 59, 59, 0}},
      {"UTC", {0, 999'999}, {1970, 1, 1, 0, 0, 0, 0}},
      {"Asia/Tokyo", {-1, 999'999'999}, {1970, 1, 1, 8, 59, 59, 999}},
      {"UTC", Utc(1700, 3, 1, 0, 0, 0, 1), {1700, 3, 1, 0, 0, 0, 0}},
      // Beyond the years that one 64-bit count of nanoseconds reaches.
      {"UTC", Utc(1600, 1, 1, 0, 0, 0, 0), {1600, 1, 1, 0, 0, 0, 0}},
      {"UTC",
       Utc(9999, 12, 31, 23, 59, 59, 999'999'999),
       {9999, 12, 31, 23, 59, 59, 999}},
      {"Asia/Tokyo", Utc(9999, 12, 31, 15, 0, 0, 0), {10000, 1, 1, 0, 0, 0, 0}},
      {"UTC", Utc(0, 12, 31, 23, 59, 59, 0), {0, 12, 31, 23, 59, 59, 0}},
  };
  for (const auto& c : cases) {
    ScopedTimeZone tz(c.tz);
    PosixPlatform platform(1, kArgv);
    EXPECT_EQ(Text(platform.ToLocalTime(c.moment)), Text(c.expected))
        << c.tz << " " << c.moment.seconds;
  }
  // Years that no int holds.
  PosixPlatform platform(1, kArgv);
  for (int64_t seconds : {int64_t{1} << 62, -(int64_t{1} << 62),
                          std::numeric_limits<int64_t>::max()}) {
    EXPECT_THROW(platform.ToLocalTime({seconds, 0}), ConvertError) << seconds;
  }
}

// Seconds since 1970 of local calendar fields read as UTC, to compare two
// local times.
double Seconds(const LocalDateTime& t) {
  using namespace std::chrono;
  const sys_days day{year{t.year} / t.month / t.day};
  return duration<double>(day.time_since_epoch() + hours{t.hour} +
                          minutes{t.minute} + seconds{t.second} +
                          milliseconds{t.millisecond})
      .count();
}

// A file written now has, in local time, the time that Now() gives.
TEST(PosixPlatformTest, NowIsTheLocalTimeOfAFileJustWritten) {
  ScopedTempDir dir;
  for (const char* zone : {"Asia/Tokyo", "America/New_York"}) {
    SCOPED_TRACE(zone);
    ScopedTimeZone tz(zone);
    PosixPlatform platform(1, kArgv);
    WriteTestFile(dir.Path("now"), "");
    const LocalDateTime written = platform.ToLocalTime(
        platform.OpenInput(dir.Path("now"))->LastWriteTime());
    EXPECT_NEAR(Seconds(platform.Now()), Seconds(written), 2.0);
  }
}

}  // namespace
}  // namespace photopages
