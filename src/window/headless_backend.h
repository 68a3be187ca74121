// The backend for a run without a display: the error box becomes one line on
// standard error, the beep a BEL on a terminal.
#ifndef PHOTOPAGES_WINDOW_HEADLESS_BACKEND_H_
#define PHOTOPAGES_WINDOW_HEADLESS_BACKEND_H_

#include "window/backend.h"

namespace photopages {

class HeadlessBackend : public WindowBackend {
 public:
  // Writes "<caption>: <text>" in UTF-8 and a line end to standard error,
  // each control character in it as "?".
  void ShowErrorBox(const AnsiString& caption, const AnsiString& text) override;
  // Writes BEL to standard error when it is a terminal.
  void Beep() override;
  // There is no window to show: returns at once.
  void ShowMainWindowUntilClosed(const AnsiString&,
                                 const MainWindowContents&) override {}
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_HEADLESS_BACKEND_H_
