#include "platform/posix_locale_settings.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <string>

#include "common/codepage.h"
#include "platform/posix_environment_for_test.h"
#include "platform/posix_collation.h"

namespace photopages {
namespace {

// The locale of dates (LC_TIME) and of the listing's order (LC_COLLATE):
// LC_ALL, else the category's own variable, else LANG; an empty one is unset.
TEST(LocaleSettingsTest, LocaleNameFromTheFirstVariableSet) {
  struct Case {
    const char* category;
    std::string (*locale)();
    const char* lc_all;
    const char* own;
    const char* lang;
    const char* expected;
  };
  const Case cases[] = {
      {"LC_TIME", UserLocaleName, "ja_JP.UTF-8", "de_DE", "fr_FR",
       "ja_JP.UTF-8"},
      {"LC_TIME", UserLocaleName, "", "de_DE.UTF-8", "fr_FR", "de_DE.UTF-8"},
      {"LC_TIME", UserLocaleName, nullptr, nullptr, "fr_FR", "fr_FR"},
      {"LC_TIME", UserLocaleName, nullptr, nullptr, nullptr, ""},
      {"LC_COLLATE", CollationLocaleFromEnvironment, "ja_JP.UTF-8", "de_DE",
       "fr_FR", "ja_JP.UTF-8"},
      {"LC_COLLATE", CollationLocaleFromEnvironment, "", "de_DE", "fr_FR",
       "de_DE"},
      {"LC_COLLATE", CollationLocaleFromEnvironment, nullptr, "", "fr_FR",
       "fr_FR"},
      {"LC_COLLATE", CollationLocaleFromEnvironment, nullptr, nullptr, nullptr,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.category) + " " + c.expected);
    ScopedEnvironmentVariable lc_all("LC_ALL", c.lc_all);
    ScopedEnvironmentVariable own(c.category, c.own);
    ScopedEnvironmentVariable lang("LANG", c.lang);
    EXPECT_EQ(c.locale(), c.expected);
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
    int code_page;  // Of the texts.
  };
  const Case cases[] = {
      {"ja_JP.UTF-8", "ja", "yyyy/MM/dd", "/", "yyyy'年'M'月'd'日'", "100",
       "午前", "午後", ".", 932},
      {"en_US", "en", "M/d/yyyy", "/", "dddd, MMMM d, yyyy", "000", "AM", "PM",
       ".", 1252},
      {"en_GB.ISO-8859-1", "en", "dd/MM/yyyy", "/", "dd MMMM yyyy", "110", "AM",
       "PM", ".", 1252},
      {"de_DE@euro", "de", "dd.MM.yyyy", ".", "dddd, d. MMMM yyyy", "110", "",
       "", ",", 1252},
      {"fr_FR.UTF-8", "fr", "dd/MM/yyyy", "/", "dddd d MMMM yyyy", "110", "",
       "", ",", 1252},
      {"zh_CN.GB18030", "zh", "yyyy/M/d", "/", "yyyy'年'M'月'd'日'", "101",
       "上午", "下午", ".", 936},
      {"zh_TW.UTF-8", "zh", "yyyy/M/d", "/", "yyyy'年'M'月'd'日'", "011",
       "上午", "下午", ".", 950},
      {"ko_KR.UTF-8", "ko", "yyyy-MM-dd", "-", "yyyy'년' M'월' d'일' dddd",
       "001", "오전", "오후", ".", 949},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LocaleSettings s = LocaleSettingsFor(c.name);
    EXPECT_EQ(s.language, c.language);
    EXPECT_EQ(s.calendar_type, 1);
    EXPECT_EQ(s.short_date_format, c.short_date);
    EXPECT_EQ(s.date_separator, c.date_separator);
    EXPECT_EQ(s.long_date_format, CodePageFromUtf8(c.long_date, c.code_page));
    EXPECT_EQ(s.time_separator, ":");
    const std::string clock = {char('0' + s.twenty_four_hour),
                               char('0' + s.hour_leading_zero),
                               char('0' + s.designator_before)};
    EXPECT_EQ(clock, c.clock);
    EXPECT_EQ(s.am_designator, CodePageFromUtf8(c.am, c.code_page));
    EXPECT_EQ(s.pm_designator, CodePageFromUtf8(c.pm, c.code_page));
    EXPECT_EQ(s.decimal_separator, c.decimal);
  }
}

TEST(LocaleSettingsTest, CodePageOfTheLocale) {
  const struct {
    const char* name;
    int code_page;
  } cases[] = {
      {"ja_JP.UTF-8", 932}, {"ko_KR.UTF-8", 949},  {"ko", 949},
      {"zh_TW.UTF-8", 950}, {"zh_HK", 950},        {"zh_MO", 950},
      {"zh_CN", 936},       {"zh_SG.GB2312", 936}, {"ru_RU.UTF-8", 1251},
      {"uk_UA", 1251},      {"sr_RS", 1251},       {"pl_PL", 1250},
      {"cs_CZ", 1250},      {"el_GR", 1253},       {"tr_TR", 1254},
      {"he_IL", 1255},      {"ar_EG", 1256},       {"lt_LT", 1257},
      {"vi_VN", 1258},      {"th_TH", 874},        {"de_DE@euro", 1252},
      {"en_US", 1252},      {"C", 1252},           {"", 1252},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LocaleAnsiCodePage(c.name), c.code_page);
    // This system converts to it.
    EXPECT_EQ(CodePageFromUtf8("dd.MM.yyyy", c.code_page), "dd.MM.yyyy");
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
