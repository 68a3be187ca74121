#include "common/ansi.h"

namespace photopages {

size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
      ++i;  // The trail byte is never a delimiter.
    } else if (delimiters.find(text[i]) != std::string_view::npos) {
      last = i;
    }
  }
  return last;
}

AnsiString AnsiLowerCase(std::string_view text) {
  AnsiString lowered(text);
  for (size_t i = 0; i < lowered.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(lowered[i]);
    if (IsLeadByte(c)) {
      ++i;
    } else if (c >= 'A' && c <= 'Z') {
      lowered[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return lowered;
}

}  // namespace photopages
