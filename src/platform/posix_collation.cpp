#include "platform/posix_collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <stdexcept>
#include <vector>

#include "platform/posix_locale_name.h"

namespace photopages {

struct PosixCollation::Collator {
  struct Closer {
    void operator()(UCollator* collator) const { ucol_close(collator); }
  };
  std::unique_ptr<UCollator, Closer> collator;
  std::vector<UChar> utf16;  // Scratch space kept across calls.
};

std::string IcuLocaleFromPosix(std::string_view posix_locale) {
  return std::string(LanguageAndTerritory(posix_locale));
}

std::string CollationLocaleFromEnvironment() {
  return LocaleFromEnvironment("LC_COLLATE");
}

PosixCollation::PosixCollation() : collator_(std::make_unique<Collator>()) {
  std::string locale = IcuLocaleFromPosix(CollationLocaleFromEnvironment());
  UErrorCode status = U_ZERO_ERROR;
  collator_->collator.reset(ucol_open(locale.c_str(), &status));
  if (U_FAILURE(status)) {
    status = U_ZERO_ERROR;
    collator_->collator.reset(ucol_open("", &status));
  }
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU has no collation: ") +
                             u_errorName(status));
  }
  ucol_setStrength(collator_->collator.get(), UCOL_SECONDARY);
}

PosixCollation::~PosixCollation() = default;

std::string PosixCollation::SortKey(std::string_view utf8) {
  std::vector<UChar>& utf16 = collator_->utf16;
  utf16.resize(utf8.size() + 1);  // UTF-16 never needs more units than bytes.
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(utf16.data(), static_cast<int32_t>(utf16.size()),
                       &length, utf8.data(), static_cast<int32_t>(utf8.size()),
                       0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return std::string();
  std::string key(64, '\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    int32_t needed =
        ucol_getSortKey(collator_->collator.get(), utf16.data(), length,
                        reinterpret_cast<uint8_t*>(key.data()),
                        static_cast<int32_t>(key.size()));
    bool fits = static_cast<size_t>(needed) <= key.size();
    key.resize(static_cast<size_t>(needed));
    if (fits) break;
  }
  return key;
}

}  // namespace photopages
