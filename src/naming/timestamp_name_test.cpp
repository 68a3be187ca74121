#include "naming/timestamp_name.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "platform/environment_for_test.h"
#include "platform/fake_platform.h"
#include "platform/posix_locale_settings.h"
#include "platform/posix_platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

// Nanoseconds since the epoch of a moment in UTC.
int64_t Utc(int year, unsigned month, unsigned day, int hour, int minute,
            int second, int millisecond) {
  using namespace std::chrono;
  auto moment = sys_days{std::chrono::year{year} / month / day} + hours{hour} +
                minutes{minute} + seconds{second} + milliseconds{millisecond};
  return duration_cast<nanoseconds>(moment.time_since_epoch()).count();
}

FormatSettings Locale(const char* name) {
  return ComposeFormatSettings(LocaleSettingsFor(name));
}

TEST(TimestampNameTest, NamesFromTheLocalLastWriteTime) {
  struct Case {
    int64_t last_write;
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
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(),
              FormatMessage(Message::kInvalidDateTime,
                            AnsiFromUtf8("2005年1月2日 3:04:05 am")));
  }
}

// The real disk and the C library's time-zone rules.
TEST(TimestampNameTest, RealFileInTheUsersTimeZone) {
  ScopedTimeZone tz("Asia/Tokyo");
  ScopedTempDir album;
  const char* argv[] = {"photopages"};
  PosixPlatform platform(1, argv);
  TimestampNamer namer(platform, Locale("ja_JP"));

  const std::string photo = album.Path("photo.jpg");
  WriteTestFile(photo, "jpeg");
  int64_t last_write = Utc(2005, 1, 1, 18, 4, 5, 678);
  timespec times[2] = {{0, UTIME_OMIT},
                       {static_cast<time_t>(last_write / 1'000'000'000),
                        static_cast<long>(last_write % 1'000'000'000)}};
  ASSERT_EQ(utimensat(AT_FDCWD, photo.c_str(), times, 0), 0);
  EXPECT_EQ(namer.TimestampName(photo),
            AnsiFromUtf8("2005年01月02日03時04分05秒01秒"));

  const std::string missing = album.Path("missing.jpg");
  EXPECT_THROW(namer.TimestampName(missing), EFOpenError);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace photopages
