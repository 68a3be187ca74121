#include "common/ansi.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

constexpr size_t kWordSize = sizeof(uint64_t);

// Whether any of the eight bytes at `bytes` is one of `set`: a byte equal to
// a member is zero after the exclusive or, and subtracting one from each byte
// sets the top bit of exactly those bytes that were zero or had it set
// already.
bool WordHoldsAnyOf(const char* bytes, std::string_view set) {
  constexpr uint64_t kOnes = 0x0101010101010101;
  constexpr uint64_t kTopBits = 0x8080808080808080;
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  for (char member : set) {
    const uint64_t masked = word ^ (kOnes * static_cast<unsigned char>(member));
    if (((masked - kOnes) & ~masked & kTopBits) != 0) return true;
  }
  return false;
}

}  // namespace

size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
  // Searched from the end, where a path's last delimiter lies, eight bytes at
  // a time while none of them is a delimiter's value. A byte that cannot lead
  // always ends a character (alone, or as a trail byte), so the run of
  // possible lead bytes right before a found byte tells what it is: they
  // pair off into characters from the start of the run, and an odd one left
  // over makes the found byte its trail byte.
  size_t i = text.size();
  while (i > 0) {
    while (i >= kWordSize &&
           !WordHoldsAnyOf(text.data() + i - kWordSize, delimiters)) {
      i -= kWordSize;
    }
    // The bytes of the word that holds one (or of the start of the text,
    // shorter than a word), one at a time.
    const size_t word_start = i >= kWordSize ? i - kWordSize : 0;
    while (i > word_start) {
      --i;
      if (!IsOneOf(text[i], delimiters) || IsLeadByte(text[i])) continue;
      size_t leads = 0;
      while (leads < i && IsLeadByte(text[i - 1 - leads])) ++leads;
      if (leads % 2 == 0) return i;
    }
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
