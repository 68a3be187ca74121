#include "window/windows_backend.h"

#include "common/windows_api.h"
#include "common/windows_codepage.h"

namespace photopages {

void WindowsBackend::ShowErrorBox(const AnsiString& caption,
                                  const AnsiString& text) {
  MessageBoxW(nullptr, WideFromAnsi(text).c_str(),
              WideFromAnsi(caption).c_str(), MB_OK | MB_ICONSTOP);
}

void WindowsBackend::Beep() { MessageBeep(MB_OK); }

}  // namespace photopages
