#include "window/windows_backend.h"

#include "common/windows_api.h"
#include "common/windows_codepage.h"

namespace photopages {

void WindowsBackend::ShowErrorBox(const AnsiString& caption,
                                  const AnsiString& text) {
  if (application_ != nullptr) {
    application_->ShowErrorBox(caption, text);
    return;
  }
  MessageBoxW(nullptr, WideFromAnsi(text).c_str(),
              WideFromAnsi(caption).c_str(), MB_OK | MB_ICONSTOP);
}

void WindowsBackend::Beep() { MessageBeep(MB_OK); }

void WindowsBackend::RunMainWindow(const AnsiString& title,
                                   MainWindowEvents& events) {
  ApplicationWindow application(title, events, show_);
  application_ = &application;
  application.Run();
  application_ = nullptr;
}

}  // namespace photopages
