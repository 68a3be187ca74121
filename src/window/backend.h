// What the run needs from the window system. The X11 backend shows a real
// window; the headless backend stands in where no display can be reached.
#ifndef PHOTOPAGES_WINDOW_BACKEND_H_
#define PHOTOPAGES_WINDOW_BACKEND_H_

#include "common/ansi.h"

namespace photopages {

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  // Shows `text` in the modal error box with `caption`, until dismissed.
  virtual void ShowErrorBox(const AnsiString& caption,
                            const AnsiString& text) = 0;
  // Sounds the default beep.
  virtual void Beep() = 0;
  // Places and shows the main window, then waits until the user closes it.
  virtual void ShowMainWindowUntilClosed() = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_BACKEND_H_
