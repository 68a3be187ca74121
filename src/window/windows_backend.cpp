#include "window/windows_backend.h"

#include "common/windows_api.h"
#include "window/windows_error_box.h"

namespace photopages {

std::unique_ptr<WindowBackend> NewSystemWindowBackend() {
  return std::make_unique<WindowsBackend>(StartupShowRequest());
}

void WindowsBackend::ShowErrorBox(const AnsiString& caption,
                                  const AnsiString& text) {
  RunErrorBox(application_ != nullptr ? application_->handle() : nullptr,
              caption, text);
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
