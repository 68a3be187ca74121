#include "app/command_line.h"

namespace photopages {
namespace {

constexpr size_t kParamBufferSize = 4096;

// Reads one token from `raw` starting at `pos`, which it advances.
AnsiString ReadToken(std::string_view raw, size_t& pos) {
  auto at = [&](size_t i) -> unsigned char {
    return i < raw.size() ? static_cast<unsigned char>(raw[i]) : 0;
  };
  for (;;) {
    while (at(pos) != 0 && at(pos) <= ' ') ++pos;
    if (at(pos) == '"' && at(pos + 1) == '"') {
      pos += 2;
    } else {
      break;
    }
  }
  AnsiString token;
  while (at(pos) > ' ' && token.size() < kParamBufferSize) {
    if (at(pos) == '"') {
      ++pos;
      while (at(pos) != 0 && at(pos) != '"') token += raw[pos++];
      if (at(pos) != 0) ++pos;
    } else {
      token += raw[pos++];
    }
  }
  return token;
}

}  // namespace

std::vector<AnsiString> SplitCommandLine(std::string_view raw) {
  size_t pos = 0;
  std::vector<AnsiString> tokens{ReadToken(raw, pos)};
  for (AnsiString token = ReadToken(raw, pos); !token.empty();
       token = ReadToken(raw, pos)) {
    tokens.push_back(std::move(token));
  }
  return tokens;
}

}  // namespace photopages
