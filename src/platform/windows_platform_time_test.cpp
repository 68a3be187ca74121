// WindowsPlatform's local time of a photo's moment, in the time zone of the
// `windows` test preset (Europe/Berlin), and the rules of each year.
#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#include "platform/temp_dir_for_test.h"
#include "platform/windows_for_test.h"
#include "platform/windows_platform.h"
#include "platform/windows_time.h"

namespace photopages {
namespace {

namespace fs = std::filesystem;

// The file times are kept on tmpfs (Wine's Z:\dev\shm) where the machine has
// it: ext4, under the usual temporary folder, stops at the year 2446.
TEST(WindowsPlatformTest, LocalTimeOfThePhotosOwnMoment) {
  WindowsPlatform platform;
  std::error_code error;
  ScopedTempDir album(fs::is_directory(L"Z:\\dev\\shm", error)
                          ? "Z:\\dev\\shm"
                          : TempFolderBase());
  const struct {
    unsigned long long last_write;
    LocalDateTime local;
  } cases[] = {
      {kJanuary2005, {2005, 1, 2, 4, 4, 5, 678}},  // CET, UTC+1.
      {kJuly2005, {2005, 7, 2, 5, 4, 5, 0}},       // CEST, UTC+2.
      // 9999-12-31 22:59:59.9999999 UTC, the last moment a date may have.
      {2650467707999999999, {9999, 12, 31, 23, 59, 59, 999}},
      // 30000-06-01 12:00 UTC, far beyond it, yet a moment of FILETIME.
      {8961989904000000000, {30000, 6, 1, 14, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const std::string photo = album.Path("photo.jpg");
    WriteTestFile(photo, "");
    SetLastWrite(photo, c.last_write);
    if (Intervals(LastWriteOf(photo)) != c.last_write) {
      GTEST_SKIP() << "The file system of " << album.path()
                   << " does not keep the time " << c.last_write;
    }
    EXPECT_EQ(platform.ToLocalTime(platform.OpenInput(photo)->LastWriteTime()),
              c.local);
  }
}

// Each year in the rules of its own: New York moved the start of summer time
// from April to March, and its end from October to November, in 2007.
// Wine's time zone data keeps New York's rules of the years 2000 to 2007.
TEST(WindowsPlatformTest, LocalTimeByTheRulesOfThePhotosYear) {
  const struct {
    const wchar_t* zone;
    WORD year, month, day;
    int hour;  // Of 12:00 UTC.
  } cases[] = {
      {L"Eastern Standard Time", 2006, 3, 15, 7},
      {L"Eastern Standard Time", 2006, 10, 31, 7},
      {L"Eastern Standard Time", 2007, 3, 15, 8},
      {L"Eastern Standard Time", 2007, 10, 31, 8},
      {L"Central Europe Standard Time", 2006, 1, 15, 13},
      {L"Central Europe Standard Time", 2006, 7, 15, 14},
      {L"Eastern Standard Time", 2007, 3, 15, 8},
  };
  // One keeper of rules for every row, as for a run: each year's rules are
  // read once, and a change of zone reads the new zone's.
  ZoneRulesByYear rules;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day);
    DYNAMIC_TIME_ZONE_INFORMATION zone = {};
    std::wcsncpy(zone.TimeZoneKeyName, c.zone, std::size(zone.TimeZoneKeyName));
    const SYSTEMTIME noon = {c.year, c.month, 0, c.day, 12, 0, 0, 0};
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&noon, &time));
    EXPECT_EQ(LocalDateTimeFromFileTime(time, zone, rules),
              (LocalDateTime{c.year, c.month, c.day, c.hour, 0, 0, 0}));
  }
}

}  // namespace
}  // namespace photopages
