// The user's date and time settings on a POSIX system: the regional settings
// of the user's locale name, from a table, with month and weekday names from
// the installed locale.
#ifndef PHOTOPAGES_PLATFORM_POSIX_LOCALE_SETTINGS_H_
#define PHOTOPAGES_PLATFORM_POSIX_LOCALE_SETTINGS_H_

#include <string>

#include "platform/locale_settings.h"

namespace photopages {

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
