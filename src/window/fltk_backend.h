// The backend on an X display, through FLTK: a real error box, the system
// beep and the main window.
#ifndef PHOTOPAGES_WINDOW_FLTK_BACKEND_H_
#define PHOTOPAGES_WINDOW_FLTK_BACKEND_H_

#include <memory>

#include "window/backend.h"

namespace photopages {

class FltkBackend : public WindowBackend {
 public:
  // Connects FLTK to the X display that DISPLAY names; nothing when no
  // display can be reached. FLTK keeps one connection for the whole process,
  // so every backend shares it.
  static std::unique_ptr<FltkBackend> Connect();

  // The error box (RunErrorBox).
  void ShowErrorBox(const AnsiString& caption, const AnsiString& text) override;
  void Beep() override;
  // Calls events.Created() and, at once, events.FirstShow(); the main window
  // after a run that stopped.
  void RunMainWindow(const AnsiString& title,
                     MainWindowEvents& events) override;

 private:
  FltkBackend() = default;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_BACKEND_H_
