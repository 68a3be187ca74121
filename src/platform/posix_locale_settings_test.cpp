#include "platform/posix_locale_settings.h"

#include <gtest/gtest.h>
#include <locale.h>

#include "common/codepage.h"
#include "platform/environment_for_test.h"

namespace photopages {
namespace {

TEST(LocaleSettingsTest, LocaleNameFromTheFirstVariableSet) {
  struct Case {
    const char* lc_all;
    const char* lc_time;
    const char* lang;
    const char* expected;
  };
  const Case cases[] = {
      {"ja_JP.UTF-8", "de_DE", "fr_FR", "ja_JP.UTF-8"},
      {"", "de_DE.UTF-8", "fr_FR", "de_DE.UTF-8"},
      {nullptr, nullptr, "fr_FR", "fr_FR"},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    ScopedEnvironmentVariable lc_all("LC_ALL", c.lc_all);
    ScopedEnvironmentVariable lc_time("LC_TIME", c.lc_time);
    ScopedEnvironmentVariable lang("LANG", c.lang);
    EXPECT_EQ(UserLocaleName(), c.expected);
  }
}

TEST(LocaleSettingsTest, RegionalSettingsOfTheTable) {
  struct Case {
    const char* name;
    const char* language;
    const char* short_date;
    const char* date_separator;
    const char* long_date;
    const char* clock;  // 24-hour, leading zero, designator before.
    const char* am;
    const char* pm;
    const char* decimal;
  };
  const Case cases[] = {
      {"ja_JP.UTF-8", "ja", "yyyy/MM/dd", "/", "yyyy'年'M'月'd'日'", "100",
       "午前", "午後", "."},
      {"en_US", "en", "M/d/yyyy", "/", "dddd, MMMM d, yyyy", "000", "AM", "PM",
       "."},
      {"en_GB.ISO-8859-1", "en", "dd/MM/yyyy", "/", "dd MMMM yyyy", "110", "AM",
       "PM", "."},
      {"de_DE@euro", "de", "dd.MM.yyyy", ".", "dddd, d. MMMM yyyy", "110", "",
       "", ","},
      {"fr_FR.UTF-8", "fr", "dd/MM/yyyy", "/", "dddd d MMMM yyyy", "110", "",
       "", ","},
      {"zh_CN.GB18030", "zh", "yyyy/M/d", "/", "yyyy'年'M'月'd'日'", "101",
       "上午", "下午", "."},
      {"zh_TW.UTF-8", "zh", "yyyy/M/d", "/", "yyyy'年'M'月'd'日'", "011",
       "上午", "下午", "."},
      {"ko_KR.UTF-8", "ko", "yyyy-MM-dd", "-", "yyyy'?' M'?' d'?' dddd", "001",
       "??", "??", "."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LocaleSettings s = LocaleSettingsFor(c.name);
    EXPECT_EQ(s.language, c.language);
    EXPECT_EQ(s.calendar_type, 1);
    EXPECT_EQ(s.short_date_format, c.short_date);
    EXPECT_EQ(s.date_separator, c.date_separator);
    EXPECT_EQ(s.long_date_format, AnsiFromUtf8(c.long_date));
    EXPECT_EQ(s.time_separator, ":");
    const std::string clock = {char('0' + s.twenty_four_hour),
                               char('0' + s.hour_leading_zero),
                               char('0' + s.designator_before)};
    EXPECT_EQ(clock, c.clock);
    EXPECT_EQ(s.am_designator, AnsiFromUtf8(c.am));
    EXPECT_EQ(s.pm_designator, AnsiFromUtf8(c.pm));
    EXPECT_EQ(s.decimal_separator, c.decimal);
  }
}

TEST(LocaleSettingsTest, OtherLocalesGiveNothing) {
  for (const char* name : {"", "C", "POSIX", "C.UTF-8", "it_IT.UTF-8", "ja"}) {
    SCOPED_TRACE(name);
    LocaleSettings s = LocaleSettingsFor(name);
    EXPECT_FALSE(s.short_date_format);
    EXPECT_FALSE(s.am_designator);
    EXPECT_FALSE(s.long_month_names[0]);
  }
  EXPECT_EQ(LocaleSettingsFor("it_IT").language, "it");
  EXPECT_EQ(LocaleSettingsFor("C").language, "");
}

bool Installed(const char* name) {
  locale_t locale = newlocale(LC_TIME_MASK, name, 0);
  if (locale == 0) return false;
  freelocale(locale);
  return true;
}

TEST(LocaleSettingsTest, NamesFromTheInstalledLocaleOnly) {
  LocaleSettings s = LocaleSettingsFor("ja_JP.UTF-8");
  if (!Installed("ja_JP.UTF-8")) {
    EXPECT_FALSE(s.long_month_names[0]);
    EXPECT_FALSE(s.short_day_names[0]);
    GTEST_SKIP() << "ja_JP.UTF-8 is not installed";
  }
  EXPECT_EQ(s.long_month_names[11], AnsiFromUtf8("12月"));
  EXPECT_EQ(s.long_day_names[0], AnsiFromUtf8("日曜日"));
  EXPECT_EQ(s.short_day_names[6], AnsiFromUtf8("土"));
  EXPECT_EQ(LocaleSettingsFor("ja_JP").long_month_names[11],
            AnsiFromUtf8("12月"));
}

}  // namespace
}  // namespace photopages
