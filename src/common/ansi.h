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
constexpr bool IsLeadByte(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The bytes of the character that starts with `first`: 2 after a lead byte,
// else 1.
constexpr size_t CharLength(char first) { return IsLeadByte(first) ? 2 : 1; }

// `c` lowered when it is an ASCII letter A-Z, else `c`.
constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Index of the last byte of `text` that is one of `delimiters` and is not the
// second byte of a double-byte character; npos when there is none.
size_t LastDelimiter(std::string_view delimiters, std::string_view text);

// `text` with the ASCII letters A-Z lowered; double-byte characters are copied
// unchanged, so a trail byte in the letter range is never altered.
AnsiString AnsiLowerCase(std::string_view text);

// True when `text` starts with `prefix`, the ASCII letters of both matched
// without regard to case and double-byte characters matched exactly (a trail
// byte in the letter range is never folded).
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_ANSI_H_
