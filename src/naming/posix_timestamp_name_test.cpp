#include "naming/timestamp_name.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "platform/fake_platform_for_test.h"
#include "platform/posix_environment_for_test.h"
#include "platform/posix_file_times_for_test.h"
#include "platform/posix_locale_settings.h"
#include "platform/posix_platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

// A moment in UTC, in the proleptic Gregorian calendar.
UtcTime Utc(int year, unsigned month, unsigned day, int hour, int minute,
            int second, int millisecond) {
  using namespace std::chrono;
  auto moment = sys_days{std::chrono::year{year} / month / day} + hours{hour} +
                minutes{minute} + seconds{second};
  return {moment.time_since_epoch().count(), millisecond * 1'000'000};
}

FormatSettings Locale(const char* name) {
  return ComposeFormatSettings(LocaleSettingsFor(name));
}

TEST(TimestampNameTest, NamesFromTheLocalLastWriteTime) {
  struct Case {
    UtcTime last_write;
    const char* locale;
    const char* utf8_name;
  };
  const Case cases[] = {
      {Utc(2005, 1, 2, 3, 4, 5, 678), "C", "2005年01月02日03時04分05秒01秒"},
      {Utc(2005, 1, 2, 3, 4, 5, 678), "ja_JP",
       "2005年01月02日03時04分05秒01秒"},
      {Utc(2005, 12, 31, 23, 59, 59, 999), "C",
       "2005年12月31日23時59分59秒12秒"},
      {Utc(2005, 12, 31, 23, 59, 59, 999), "en_US",
       "2005年12月31日23時59分59秒12秒"},
      {Utc(2005, 1, 2, 0, 0, 0, 0), "de_DE", "2005年01月02日00時00分00秒01秒"},
      {Utc(2005, 1, 2, 0, 0, 0, 999), "zh_TW",
       "2005年01月02日00時00分00秒01秒"},
      // Designators in the locale's own code page keep the afternoon apart.
      {Utc(2005, 1, 2, 15, 4, 5, 0), "zh_TW", "2005年01月02日15時04分05秒01秒"},
      {Utc(2005, 1, 2, 15, 4, 5, 0), "zh_CN", "2005年01月02日15時04分05秒01秒"},
      {Utc(2005, 1, 2, 15, 4, 5, 0), "ko_KR", "2005年01月02日15時04分05秒01秒"},
      {Utc(2005, 1, 2, 3, 4, 5, 0), "ko_KR", "2005年01月02日03時04分05秒01秒"},
      // Two-digit years of the C locale in 2005: 1950 is read as 2050.
      {Utc(1950, 7, 8, 9, 10, 11, 0), "C", "2050年07月08日09時10分11秒07秒"},
      {Utc(1950, 7, 8, 9, 10, 11, 0), "ja_JP",
       "1950年07月08日09時10分11秒07秒"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8_name);
    FakePlatform platform;
    platform.AddFile("/photo.jpg", "", 0644, c.last_write);
    platform.set_now(Utc(2005, 6, 1, 0, 0, 0, 0));
    TimestampNamer namer(platform, Locale(c.locale));
    EXPECT_EQ(namer.TimestampName("/photo.jpg"), AnsiFromUtf8(c.utf8_name));
  }
}

TEST(TimestampNameTest, TheCurrentYearComesFromTheClock) {
  FakePlatform platform;
  platform.AddFile("/a", "", 0644, Utc(1960, 1, 2, 3, 4, 5, 0));
  TimestampNamer namer(platform, FormatSettings{});
  platform.set_now(Utc(2010, 12, 31, 0, 0, 0, 0));
  EXPECT_EQ(namer.TimestampName("/a"),
            AnsiFromUtf8("1960年01月02日03時04分05秒01秒"));
  platform.set_now(Utc(2011, 1, 1, 0, 0, 0, 0));
  EXPECT_EQ(namer.TimestampName("/a"),
            AnsiFromUtf8("2060年01月02日03時04分05秒01秒"));
}

TEST(TimestampNameTest, UnreadableDateTextStopsTheNaming) {
  LocaleSettings kanji;
  kanji.short_date_format = AnsiFromUtf8("yyyy'年'M'月'd'日'");
  FakePlatform platform;
  platform.AddFile("/a", "", 0644, Utc(2005, 1, 2, 3, 4, 5, 0));
  TimestampNamer namer(platform, ComposeFormatSettings(kanji));
  try {
    namer.TimestampName("/a");
    ADD_FAILURE() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.Message(),
              FormatMessage(Message::kInvalidDateTime,
                            AnsiFromUtf8("2005年1月2日 3:04:05 am")));
  }
}

// The real disk and the C library's time-zone rules, on a file system that
// keeps file times of every year; a row whose time it cannot keep is skipped.
TEST(TimestampNameTest, RealFilesInTheUsersTimeZone) {
  const struct {
    const char* tz;
    UtcTime last_write;
    const char* utf8_name;  // Null for a local date outside years 1 to 9999.
  } cases[] = {
      {"Asia/Tokyo", Utc(2005, 1, 1, 18, 4, 5, 678),
       "2005年01月02日03時04分05秒01秒"},
      // Beyond the years 1677 to 2262 of one 64-bit count of nanoseconds.
      {"UTC", Utc(1600, 1, 1, 0, 0, 0, 0), "1600年01月01日00時00分00秒01秒"},
      {"UTC", Utc(1677, 9, 21, 0, 0, 0, 0), "1677年09月21日00時00分00秒09秒"},
      {"UTC", Utc(2262, 4, 12, 0, 0, 0, 0), "2262年04月12日00時00分00秒04秒"},
      {"UTC", Utc(2300, 1, 1, 0, 0, 0, 0), "2300年01月01日00時00分00秒01秒"},
      {"UTC", Utc(9999, 12, 31, 23, 59, 59, 999),
       "9999年12月31日23時59分59秒12秒"},
      {"UTC", Utc(10000, 1, 1, 0, 0, 0, 0), nullptr},
      {"Asia/Tokyo", Utc(9999, 12, 31, 15, 0, 0, 0), nullptr},
      {"UTC", Utc(0, 12, 31, 23, 59, 59, 999), nullptr},
  };
  ScopedTempDir album(AnyTimeFolderBase());
  const std::string photo = album.Path("photo.jpg");
  WriteTestFile(photo, "jpeg");
  std::string not_kept;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8_name ? c.utf8_name
                             : std::to_string(c.last_write.seconds));
    if (!SetLastWriteTime(photo, c.last_write.seconds,
                          c.last_write.nanoseconds)) {
      not_kept += " " + std::to_string(c.last_write.seconds);
      continue;
    }
    ScopedTimeZone tz(c.tz);
    const char* argv[] = {"photopages"};
    PosixPlatform platform(1, argv);
    TimestampNamer namer(platform, Locale("ja_JP"));
    if (c.utf8_name != nullptr) {
      EXPECT_EQ(namer.TimestampName(photo), AnsiFromUtf8(c.utf8_name));
    } else {
      try {
        namer.TimestampName(photo);
        ADD_FAILURE() << "no error";
      } catch (const ConvertError& e) {
        EXPECT_EQ(e.Message(), MessageText(Message::kInvalidDate));
      }
    }
  }

  const char* argv[] = {"photopages"};
  PosixPlatform platform(1, argv);
  TimestampNamer namer(platform, Locale("ja_JP"));
  const std::string missing = album.Path("missing.jpg");
  EXPECT_THROW(namer.TimestampName(missing), FileOpenError);
  EXPECT_FALSE(std::filesystem::exists(missing));
  if (!not_kept.empty()) {
    GTEST_SKIP() << "The file system of " << album.path()
                 << " does not keep these last-write times (seconds since "
                    "1970), so their rows were skipped:"
                 << not_kept;
  }
}

}  // namespace
}  // namespace photopages
