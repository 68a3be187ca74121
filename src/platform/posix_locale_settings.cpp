#include "platform/posix_locale_settings.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <string_view>

#include "common/codepage.h"
#include "platform/posix_locale_name.h"

namespace photopages {
namespace {

// What the regional settings of a locale give for dates and times. UTF-8.
struct RegionalDefaults {
  std::string_view locale;  // Language and territory.
  std::string_view short_date;
  std::string_view date_separator;
  std::string_view long_date;
  std::string_view time_separator;
  bool twenty_four_hour;
  bool hour_leading_zero;
  bool designator_before;
  std::string_view am;
  std::string_view pm;
  std::string_view decimal_separator;
};

constexpr RegionalDefaults kRegions[] = {
    {"ja_JP", "yyyy/MM/dd", "/", "yyyy'年'M'月'd'日'", ":", true, false, false,
     "午前", "午後", "."},
    {"en_US", "M/d/yyyy", "/", "dddd, MMMM d, yyyy", ":", false, false, false,
     "AM", "PM", "."},
    {"en_GB", "dd/MM/yyyy", "/", "dd MMMM yyyy", ":", true, true, false, "AM",
     "PM", "."},
    {"de_DE", "dd.MM.yyyy", ".", "dddd, d. MMMM yyyy", ":", true, true, false,
     "", "", ","},
    {"fr_FR", "dd/MM/yyyy", "/", "dddd d MMMM yyyy", ":", true, true, false, "",
     "", ","},
    {"zh_CN", "yyyy/M/d", "/", "yyyy'年'M'月'd'日'", ":", true, false, true,
     "上午", "下午", "."},
    {"zh_TW", "yyyy/M/d", "/", "yyyy'年'M'月'd'日'", ":", false, true, true,
     "上午", "下午", "."},
    {"ko_KR", "yyyy-MM-dd", "-", "yyyy'년' M'월' d'일' dddd", ":", false, false,
     true, "오전", "오후", "."},
};

// Each Windows ANSI code page with the languages ("ru") and languages and
// territories ("zh_TW") whose locales use it, separated by spaces. The first
// row that names a locale's language and territory, or its language, gives
// the locale's code page.
struct RegionalCodePage {
  int code_page;
  std::string_view locales;
};

constexpr RegionalCodePage kCodePages[] = {
    {950, "zh_TW zh_HK zh_MO"},                         // Traditional Chinese
    {936, "zh"},                                        // Simplified Chinese
    {932, "ja"},                                        // Japanese
    {949, "ko"},                                        // Korean
    {1251, "ba be bg kk ky mk mn ru sah sr tg tt uk"},  // Cyrillic
    {1250, "bs cs hr hu pl ro sk sl sq tk"},            // Central European
    {1253, "el"},                                       // Greek
    {1254, "az tr uz"},                                 // Turkish
    {1255, "he"},                                       // Hebrew
    {1256, "ar fa ug ur"},                              // Arabic
    {1257, "et lt lv"},                                 // Baltic
    {1258, "vi"},                                       // Vietnamese
    {874, "th"},                                        // Thai
};

// True when the space-separated `list` holds `word`.
bool ListHolds(std::string_view list, std::string_view word) {
  while (!list.empty()) {
    const size_t end = std::min(list.find(' '), list.size());
    if (list.substr(0, end) == word) return true;
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return false;
}

// The language of a locale's language and territory: "ko" of "ko_KR".
AnsiString LanguageOf(std::string_view region) {
  return AnsiLowerCase(region.substr(0, region.find('_')));
}

// The locale `name` for LC_TIME when it is installed and speaks UTF-8;
// freed on destruction.
class InstalledLocale {
 public:
  explicit InstalledLocale(const std::string& name)
      : locale_(newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name.c_str(), 0)) {
    if (locale_ != 0 &&
        std::string_view(nl_langinfo_l(CODESET, locale_)) != "UTF-8") {
      freelocale(locale_);
      locale_ = 0;
    }
  }
  InstalledLocale(const InstalledLocale&) = delete;
  InstalledLocale& operator=(const InstalledLocale&) = delete;
  ~InstalledLocale() {
    if (locale_ != 0) freelocale(locale_);
  }

  explicit operator bool() const { return locale_ != 0; }
  // The text of `item` in code page `code_page`.
  AnsiString Item(nl_item item, int code_page) const {
    return CodePageFromUtf8(nl_langinfo_l(item, locale_), code_page);
  }

 private:
  locale_t locale_;
};

void ReadNames(const InstalledLocale& locale, int code_page,
               LocaleSettings& settings) {
  for (int i = 0; i < 12; ++i) {
    settings.short_month_names[i] = locale.Item(ABMON_1 + i, code_page);
    settings.long_month_names[i] = locale.Item(MON_1 + i, code_page);
  }
  for (int i = 0; i < 7; ++i) {
    settings.short_day_names[i] = locale.Item(ABDAY_1 + i, code_page);
    settings.long_day_names[i] = locale.Item(DAY_1 + i, code_page);
  }
}

}  // namespace

int LocaleAnsiCodePage(const std::string& locale_name) {
  std::string_view region = LanguageAndTerritory(locale_name);
  const AnsiString language = LanguageOf(region);
  for (const RegionalCodePage& c : kCodePages) {
    if (ListHolds(c.locales, region) || ListHolds(c.locales, language)) {
      return c.code_page;
    }
  }
  return 1252;
}

LocaleSettings LocaleSettingsFor(const std::string& locale_name) {
  LocaleSettings settings;
  std::string_view region = LanguageAndTerritory(locale_name);
  if (region.empty()) return settings;
  settings.language = LanguageOf(region);
  const int code_page = LocaleAnsiCodePage(locale_name);
  auto text = [code_page](std::string_view utf8) {
    return CodePageFromUtf8(utf8, code_page);
  };
  for (const RegionalDefaults& r : kRegions) {
    if (r.locale != region) continue;
    settings.date_separator = text(r.date_separator);
    settings.short_date_format = text(r.short_date);
    settings.long_date_format = text(r.long_date);
    settings.time_separator = text(r.time_separator);
    settings.decimal_separator = text(r.decimal_separator);
    settings.am_designator = text(r.am);
    settings.pm_designator = text(r.pm);
    settings.twenty_four_hour = r.twenty_four_hour;
    settings.hour_leading_zero = r.hour_leading_zero;
    settings.designator_before = r.designator_before;
    for (const std::string& candidate :
         {locale_name, std::string(region) + ".UTF-8"}) {
      if (InstalledLocale installed(candidate); installed) {
        ReadNames(installed, code_page, settings);
        break;
      }
    }
    break;
  }
  return settings;
}

std::string UserLocaleName() { return LocaleFromEnvironment("LC_TIME"); }

}  // namespace photopages
