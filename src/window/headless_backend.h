// The backend for a run without a display: the error box becomes one line on
// standard error, the beep a BEL when standard error is a terminal.
#ifndef PHOTOPAGES_WINDOW_HEADLESS_BACKEND_H_
#define PHOTOPAGES_WINDOW_HEADLESS_BACKEND_H_

#include "window/backend.h"

namespace photopages {

class HeadlessBackend : public WindowBackend {
 public:
  // `standard_error_is_terminal`: whether a person sees standard error, so
  // that a BEL written there sounds rather than landing in a log.
  explicit HeadlessBackend(bool standard_error_is_terminal)
      : standard_error_is_terminal_(standard_error_is_terminal) {}

  // Writes "<caption>: <text>" in UTF-8 and a line end to standard error,
  // each control character in it as "?".
  void ShowErrorBox(const AnsiString& caption, const AnsiString& text) override;
  // Writes BEL to standard error when it is a terminal.
  void Beep() override;
  // Calls events.Created() and events.FirstShow(); there is no window to
  // show after it.
  void RunMainWindow(const AnsiString&, MainWindowEvents& events) override {
    events.Created();
    events.FirstShow();
  }

 private:
  bool standard_error_is_terminal_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_HEADLESS_BACKEND_H_
