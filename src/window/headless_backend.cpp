#include "window/headless_backend.h"

#include <cstdio>

#include "common/codepage.h"

namespace photopages {

void HeadlessBackend::ShowErrorBox(const AnsiString& caption,
                                   const AnsiString& text) {
  std::string line = Utf8FromAnsi(caption + ": " + text);
  // A path in the message may hold any byte: control characters become "?",
  // so the error stays one line and cannot steer the terminal.
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void HeadlessBackend::Beep() {
  if (standard_error_is_terminal_) {
    std::fputc('\a', stderr);
    std::fflush(stderr);
  }
}

}  // namespace photopages
