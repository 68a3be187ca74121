#include "common/ansi.h"

#include <algorithm>

namespace photopages {
namespace {

// A plain loop: the set holds one to three bytes, and a search call per byte
// of every path would cost more than the comparisons.
bool IsOneOf(char c, std::string_view set) {
  for (char member : set) {
    if (c == member) return true;
  }
  return false;
}

}  // namespace

size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
  // Searched from the end, where a path's last delimiter lies. A byte that
  // cannot lead always ends a character (alone, or as a trail byte), so the
  // run of possible lead bytes right before a found byte tells what it is:
  // they pair off into characters from the start of the run, and an odd
  // one left over makes the found byte its trail byte.
  if (delimiters.empty()) return std::string_view::npos;
  // Most of a path's bytes lie outside the span of the delimiters' values
  // and are passed over with one comparison.
  unsigned char low = 0xFF;
  unsigned char high = 0;
  for (char delimiter : delimiters) {
    low = std::min(low, static_cast<unsigned char>(delimiter));
    high = std::max(high, static_cast<unsigned char>(delimiter));
  }
  const unsigned span = high - low;
  for (size_t i = text.size(); i-- > 0;) {
    if (static_cast<unsigned>(static_cast<unsigned char>(text[i]) - low) >
        span) {
      continue;
    }
    if (IsLeadByte(text[i]) || !IsOneOf(text[i], delimiters)) continue;
    size_t leads = 0;
    while (leads < i && IsLeadByte(text[i - 1 - leads])) ++leads;
    if (leads % 2 == 0) return i;
  }
  return std::string_view::npos;
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
