#include "common/ansi.h"

namespace photopages {
size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i])) {
      ++i;  // The trail byte is never a delimiter.
    } else {
      // A plain loop: the set holds one to three bytes, and a search call
      // per byte of every path would cost more than the comparisons.
      for (char delimiter : delimiters) {
        if (text[i] == delimiter) last = i;
      }
    }
  }
  return last;
}

AnsiString AnsiLowerCase(std::string_view text) {
  AnsiString lowered(text);
  for (size_t i = 0; i < lowered.size(); ++i) {
    if (IsLeadByte(lowered[i])) {
      ++i;
    } else {
      lowered[i] = LowerAscii(lowered[i]);
    }
  }
  return lowered;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    const bool lead = IsLeadByte(text[i]);
    if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
    if (lead && ++i < prefix.size() && text[i] != prefix[i]) return false;
  }
  return true;
}

}  // namespace photopages
