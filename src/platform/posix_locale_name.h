// The user's POSIX locale names, as the C library would pick them.
#ifndef PHOTOPAGES_PLATFORM_POSIX_LOCALE_NAME_H_
#define PHOTOPAGES_PLATFORM_POSIX_LOCALE_NAME_H_

#include <cstdlib>
#include <string>
#include <string_view>

namespace photopages {

// The locale for `category` ("LC_TIME", "LC_COLLATE"): LC_ALL, else the
// category's own variable, else LANG, the first that is set and not empty;
// empty when none is.
inline std::string LocaleFromEnvironment(const char* category) {
  for (const char* variable : {"LC_ALL", category, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return std::string();
}

// Language and territory of a locale name: "ja_JP" of "ja_JP.UTF-8@modifier";
// empty for the C and POSIX locales, which have neither.
inline std::string_view LanguageAndTerritory(std::string_view name) {
  std::string_view region = name.substr(0, name.find_first_of(".@"));
  return region == "C" || region == "POSIX" ? std::string_view() : region;
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_LOCALE_NAME_H_
