// The user's date and time settings on a POSIX system: the regional settings
// of the user's locale name, from a table, with month and weekday names from
// the installed locale.
#ifndef PHOTOPAGES_PLATFORM_POSIX_LOCALE_SETTINGS_H_
#define PHOTOPAGES_PLATFORM_POSIX_LOCALE_SETTINGS_H_

#include <string>

#include "platform/locale_settings.h"

namespace photopages {

// The Windows ANSI code page that belongs to the locale named `locale_name`
// (such as "ko_KR.UTF-8"), by its language and, for Chinese, its territory:
// 932 Japanese, 949 Korean, 950 Traditional Chinese (zh_TW, zh_HK, zh_MO),
// 936 other Chinese, 1251 Cyrillic, 1250 Central European, 1253 Greek, 1254
// Turkish, 1255 Hebrew, 1256 Arabic, 1257 Baltic, 1258 Vietnamese, 874 Thai,
// and 1252 for every other locale, C and POSIX included. The locale's texts
// are converted to it.
int LocaleAnsiCodePage(const std::string& locale_name);

// The settings of the locale named `locale_name` (such as "ja_JP.UTF-8"):
// the regional defaults of the ja_JP, en_US, en_GB, de_DE, fr_FR, zh_CN,
// zh_TW and ko_KR locales, whether or not the locale is installed, with
// month and weekday names from the installed locale when it is, and nothing
// (every item empty) for C, POSIX, an empty name or any other locale.
LocaleSettings LocaleSettingsFor(const std::string& locale_name);

// The name of the user's locale for dates and times: LC_ALL, else LC_TIME,
// else LANG, the first that is set and not empty; empty when none is.
std::string UserLocaleName();

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_LOCALE_SETTINGS_H_
