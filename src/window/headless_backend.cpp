#include "window/headless_backend.h"

#include <unistd.h>

#include <cstdio>

#include "common/codepage.h"

namespace photopages {

void HeadlessBackend::ShowErrorBox(const AnsiString& caption,
                                   const AnsiString& text) {
  std::string line = Utf8FromAnsi(caption + ": " + text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void HeadlessBackend::Beep() {
  if (isatty(STDERR_FILENO)) {
    std::fputc('\a', stderr);
    std::fflush(stderr);
  }
}

}  // namespace photopages
