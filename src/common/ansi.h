// Text inside photopages is byte strings in code page 932 (Shift_JIS as
// Windows defines it). These helpers scan such text without splitting a
// double-byte character.
#ifndef PHOTOPAGES_COMMON_ANSI_H_
#define PHOTOPAGES_COMMON_ANSI_H_

#include <string>
#include <string_view>

namespace photopages {

// A byte string in code page 932.
using AnsiString = std::string;

// True for the first byte of a double-byte character: 0x81-0x9F, 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Index of the last byte of `text` that is one of `delimiters` and is not the
// second byte of a double-byte character; npos when there is none.
size_t LastDelimiter(std::string_view delimiters, std::string_view text);

// `text` with the ASCII letters A-Z lowered; double-byte characters are copied
// unchanged, so a trail byte in the letter range is never altered.
AnsiString AnsiLowerCase(std::string_view text);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_ANSI_H_
