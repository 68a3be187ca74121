#include "app/command_line.h"

#include <algorithm>

namespace photopages {
namespace {

constexpr size_t kParamBufferSize = 4096;

// True for the bytes 0x01 to 0x20 that separate tokens.
bool Separates(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads one token from `raw`, which holds no NUL, starting at `pos`, which it
// advances. Stretches are appended whole: a byte at a time costs more than
// the scan that finds where they end.
AnsiString ReadToken(std::string_view raw, size_t& pos) {
  for (;;) {
    while (pos < raw.size() && Separates(raw[pos])) ++pos;
    if (raw.substr(pos, 2) == "\"\"") {
      pos += 2;
    } else {
      break;
    }
  }
  AnsiString token;
  while (pos < raw.size() && !Separates(raw[pos]) &&
         token.size() < kParamBufferSize) {
    if (raw[pos] == '"') {
      const size_t end = std::min(raw.find('"', pos + 1), raw.size());
      token.append(raw.substr(pos + 1, end - pos - 1));
      pos = end < raw.size() ? end + 1 : end;
    } else {
      const size_t limit =
          std::min(raw.size(), pos + (kParamBufferSize - token.size()));
      size_t end = pos;
      while (end < limit && !Separates(raw[end]) && raw[end] != '"') ++end;
      token.append(raw.substr(pos, end - pos));
      pos = end;
    }
  }
  return token;
}

}  // namespace

std::vector<AnsiString> SplitCommandLine(std::string_view raw) {
  // The line ends at its first NUL, as a system's command line does.
  raw = raw.substr(0, raw.find('\0'));
  size_t pos = 0;
  std::vector<AnsiString> tokens{ReadToken(raw, pos)};
  for (AnsiString token = ReadToken(raw, pos); !token.empty();
       token = ReadToken(raw, pos)) {
    tokens.push_back(std::move(token));
  }
  return tokens;
}

}  // namespace photopages
