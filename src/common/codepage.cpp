#include "common/codepage.h"

#include "common/ansi.h"

namespace photopages {

size_t AsciiLength(std::string_view text) {
  size_t length = 0;
  while (length < text.size() &&
         static_cast<unsigned char>(text[length]) < 0x80) {
    ++length;
  }
  return length;
}

size_t Utf8CharLength(std::string_view rest) {
  unsigned char c = static_cast<unsigned char>(rest[0]);
  size_t n = c < 0xC2 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF5 ? 4 : 1;
  if (n > rest.size()) return 1;
  for (size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

size_t AnsiCharLength(std::string_view rest) {
  if (rest.size() < 2 || !IsLeadByte(rest[0])) {
    return 1;
  }
  unsigned char trail = static_cast<unsigned char>(rest[1]);
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC)
             ? 2
             : 1;
}

}  // namespace photopages
