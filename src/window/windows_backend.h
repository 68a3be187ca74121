// The backend on Windows, through the Win32 user interface: the system's
// message box and message beep.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_BACKEND_H_
#define PHOTOPAGES_WINDOW_WINDOWS_BACKEND_H_

#include "window/backend.h"

namespace photopages {

class WindowsBackend : public WindowBackend {
 public:
  // MessageBoxW with the stop icon and an OK button; text and caption are
  // converted from code page 932 to UTF-16 here.
  void ShowErrorBox(const AnsiString& caption, const AnsiString& text) override;
  // MessageBeep(MB_OK), the system's default sound.
  void Beep() override;
  // Shows no main window: returns at once, so that a run stopped by an
  // error ends when its error box is dismissed.
  void ShowMainWindowUntilClosed(const AnsiString&,
                                 const MainWindowContents&) override {}
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_BACKEND_H_
