#include "naming/timestamp_name.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"

namespace photopages {
namespace {

// A platform whose files are last-write times and whose clock and time zone
// are fixed by the test; everything else is out of bounds.
class TimesPlatform : public Platform {
 public:
  struct File {
    int64_t nanoseconds;
    LocalDateTime local;
  };
  std::map<AnsiString, File> files;
  LocalDateTime now{2005, 6, 1, 12, 0, 0, 0};
  int open_files = 0;

  std::unique_ptr<InputFile> OpenInput(const AnsiString& path) override {
    auto it = files.find(path);
    if (it == files.end()) throw EFOpenError(path);
    return std::make_unique<TimesFile>(*this, it->second.nanoseconds);
  }
  LocalDateTime ToLocalTime(int64_t nanoseconds) override {
    for (const auto& [path, file] : files) {
      if (file.nanoseconds == nanoseconds) return file.local;
    }
    throw std::logic_error("no such time");
  }
  LocalDateTime Now() override { return now; }

  AnsiString ExecutablePath() override { throw Unused(); }
  AnsiString RawCommandLine() override { throw Unused(); }
  AnsiString CurrentDirectory() override { throw Unused(); }
  void SetCurrentDirectory(const AnsiString&) override { throw Unused(); }
  std::vector<AnsiString> ListOrdinaryFiles(const AnsiString&) override {
    throw Unused();
  }
  std::unique_ptr<OutputFile> CreateOutput(const AnsiString&) override {
    throw Unused();
  }
  PathInfo Inspect(const AnsiString&) override { throw Unused(); }

 private:
  static std::logic_error Unused() {
    return std::logic_error("not used in naming");
  }

  class TimesFile : public InputFile {
   public:
    TimesFile(TimesPlatform& platform, int64_t nanoseconds)
        : platform_(platform), nanoseconds_(nanoseconds) {
      ++platform_.open_files;
    }
    ~TimesFile() override { --platform_.open_files; }
    uint64_t Size() const override { return 0; }
    FileIdentity Identity() const override { return {}; }
    unsigned Permissions() const override { return 0644; }
    int64_t LastWriteNanoseconds() const override { return nanoseconds_; }
    size_t Read(char*, size_t) override { return 0; }

   private:
    TimesPlatform& platform_;
    int64_t nanoseconds_;
  };
};

FormatSettings Locale(const char* name) {
  return ComposeFormatSettings(LocaleSettingsFor(name));
}

TEST(TimestampNameTest, NamesFromTheLocalLastWriteTime) {
  struct Case {
    LocalDateTime local;
    const char* locale;
    const char* utf8_name;
  };
  const Case cases[] = {
      {{2005, 1, 2, 3, 4, 5, 678}, "C", "2005年01月02日03時04分05秒01秒"},
      {{2005, 1, 2, 3, 4, 5, 678}, "ja_JP", "2005年01月02日03時04分05秒01秒"},
      {{2005, 12, 31, 23, 59, 59, 999}, "C", "2005年12月31日23時59分59秒12秒"},
      {{2005, 12, 31, 23, 59, 59, 999},
       "en_US",
       "2005年12月31日23時59分59秒12秒"},
      {{2005, 1, 2, 0, 0, 0, 0}, "de_DE", "2005年01月02日00時00分00秒01秒"},
      {{2005, 1, 2, 0, 0, 0, 999}, "zh_TW", "2005年01月02日00時00分00秒01秒"},
      // Two-digit years of the C locale in 2005: 1950 is read as 2050.
      {{1950, 7, 8, 9, 10, 11, 0}, "C", "2050年07月08日09時10分11秒07秒"},
      {{1950, 7, 8, 9, 10, 11, 0}, "ja_JP", "1950年07月08日09時10分11秒07秒"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8_name);
    TimesPlatform platform;
    platform.files["photo.jpg"] = {1'104'634'245'678'000'000, c.local};
    TimestampNamer namer(platform, Locale(c.locale));
    EXPECT_EQ(namer.TimestampName("photo.jpg"), AnsiFromUtf8(c.utf8_name));
    EXPECT_EQ(platform.open_files, 0);
  }
}

TEST(TimestampNameTest, TheCurrentYearComesFromTheClock) {
  TimesPlatform platform;
  platform.files["a"] = {1, {1960, 1, 2, 3, 4, 5, 0}};
  TimestampNamer namer(platform, FormatSettings{});
  platform.now.year = 2010;
  EXPECT_EQ(namer.TimestampName("a"),
            AnsiFromUtf8("1960年01月02日03時04分05秒01秒"));
  platform.now.year = 2011;
  EXPECT_EQ(namer.TimestampName("a"),
            AnsiFromUtf8("2060年01月02日03時04分05秒01秒"));
}

TEST(TimestampNameTest, ErrorsStopTheNamingAndCloseTheFile) {
  LocaleSettings kanji;
  kanji.short_date_format = AnsiFromUtf8("yyyy'年'M'月'd'日'");
  struct Case {
    LocalDateTime local;
    FormatSettings settings;
    AnsiString message;
  };
  const Case cases[] = {
      {{10000, 1, 1, 0, 0, 0, 0}, {}, MessageText(Message::kInvalidDate)},
      {{2005, 2, 29, 0, 0, 0, 0}, {}, MessageText(Message::kInvalidDate)},
      {{2005, 1, 1, 24, 0, 0, 0}, {}, MessageText(Message::kInvalidTime)},
      {{2005, 1, 1, 1, 0, 0, 1000}, {}, MessageText(Message::kInvalidTime)},
      {{2005, 1, 2, 3, 4, 5, 0},
       ComposeFormatSettings(kanji),
       FormatMessage(Message::kInvalidDateTime,
                     AnsiFromUtf8("2005年1月2日 3:04:05 am"))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.local.year);
    TimesPlatform platform;
    platform.files["a"] = {7, c.local};
    TimestampNamer namer(platform, c.settings);
    try {
      namer.TimestampName("a");
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(platform.open_files, 0);
  }
}

}  // namespace
}  // namespace photopages
