#include "platform/posix_locale_settings.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

#include "common/codepage.h"
#include "platform/locale_name.h"

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
  AnsiString Item(nl_item item) const {
    return AnsiFromUtf8(nl_langinfo_l(item, locale_));
  }

 private:
  locale_t locale_;
};

void ReadNames(const InstalledLocale& locale, LocaleSettings& settings) {
  for (int i = 0; i < 12; ++i) {
    settings.short_month_names[i] = locale.Item(ABMON_1 + i);
    settings.long_month_names[i] = locale.Item(MON_1 + i);
  }
  for (int i = 0; i < 7; ++i) {
    settings.short_day_names[i] = locale.Item(ABDAY_1 + i);
    settings.long_day_names[i] = locale.Item(DAY_1 + i);
  }
}

}  // namespace

LocaleSettings LocaleSettingsFor(const std::string& locale_name) {
  LocaleSettings settings;
  std::string_view region = LanguageAndTerritory(locale_name);
  if (region.empty()) return settings;
  settings.language = AnsiLowerCase(region.substr(0, region.find('_')));
  for (const RegionalDefaults& r : kRegions) {
    if (r.locale != region) continue;
    settings.date_separator = AnsiFromUtf8(r.date_separator);
    settings.short_date_format = AnsiFromUtf8(r.short_date);
    settings.long_date_format = AnsiFromUtf8(r.long_date);
    settings.time_separator = AnsiFromUtf8(r.time_separator);
    settings.decimal_separator = AnsiFromUtf8(r.decimal_separator);
    settings.am_designator = AnsiFromUtf8(r.am);
    settings.pm_designator = AnsiFromUtf8(r.pm);
    settings.twenty_four_hour = r.twenty_four_hour;
    settings.hour_leading_zero = r.hour_leading_zero;
    settings.designator_before = r.designator_before;
    for (const std::string& candidate :
         {locale_name, std::string(region) + ".UTF-8"}) {
      if (InstalledLocale installed(candidate); installed) {
        ReadNames(installed, settings);
        break;
      }
    }
    break;
  }
  return settings;
}

std::string UserLocaleName() { return LocaleFromEnvironment("LC_TIME"); }

}  // namespace photopages
