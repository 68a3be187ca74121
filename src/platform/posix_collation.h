// The order in which PosixPlatform lists names: the user's collation locale
// (LC_COLLATE) through ICU, without regard to letter case. ICU stays inside
// posix_collation.cpp.
#ifndef PHOTOPAGES_PLATFORM_POSIX_COLLATION_H_
#define PHOTOPAGES_PLATFORM_POSIX_COLLATION_H_

#include <memory>
#include <string>
#include <string_view>

namespace photopages {

// The ICU locale of a POSIX locale name: "ja_JP.UTF-8" gives "ja_JP"; "C",
// "POSIX", their ".UTF-8" forms and "" give "" (ICU's root collation).
std::string IcuLocaleFromPosix(std::string_view posix_locale);

// The POSIX locale that orders text for the user: LC_ALL, else LC_COLLATE,
// else LANG (an empty variable counts as unset).
std::string CollationLocaleFromEnvironment();

class PosixCollation {
 public:
  // The collation of the user's collation locale, the root collation when
  // ICU has none for it, at secondary strength: letter case is ignored.
  // Throws std::runtime_error when ICU has no collation at all.
  PosixCollation();
  PosixCollation(const PosixCollation&) = delete;
  PosixCollation& operator=(const PosixCollation&) = delete;
  ~PosixCollation();

  // The sort key of the UTF-8 name `utf8` (a byte that is not UTF-8 counts
  // as U+FFFD): names in collation order have keys in byte order.
  std::string SortKey(std::string_view utf8);

 private:
  struct Collator;
  std::unique_ptr<Collator> collator_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_COLLATION_H_
