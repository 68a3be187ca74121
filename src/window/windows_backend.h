// The backend on Windows, through the Win32 user interface: the application
// window with the taskbar entry, the main window, the system's message box
// and message beep.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_BACKEND_H_
#define PHOTOPAGES_WINDOW_WINDOWS_BACKEND_H_

#include "window/backend.h"
#include "window/windows_application_window.h"

namespace photopages {

class WindowsBackend : public WindowBackend {
 public:
  // `show`: how the program was asked to show its window at start-up
  // (StartupShowRequest()).
  explicit WindowsBackend(StartupShow show) : show_(show) {}

  // The error box (RunErrorBox), owned by the application window while it
  // exists.
  void ShowErrorBox(const AnsiString& caption, const AnsiString& text) override;
  // MessageBeep(MB_OK), the system's default sound.
  void Beep() override;
  // The application window's life (ApplicationWindow::Run).
  void RunMainWindow(const AnsiString& title,
                     MainWindowEvents& events) override;

 private:
  StartupShow show_;
  ApplicationWindow* application_ = nullptr;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_BACKEND_H_
