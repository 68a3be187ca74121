// What the run needs from the window system. The FLTK backend shows real
// windows on an X display; the headless backend stands in where no display
// can be reached.
#ifndef PHOTOPAGES_WINDOW_BACKEND_H_
#define PHOTOPAGES_WINDOW_BACKEND_H_

#include <optional>
#include <string_view>
#include <vector>

#include "common/ansi.h"
#include "window/form_layout.h"

namespace photopages {

// What the main window shows once the run is over.
struct MainWindowContents {
  // The size the picture view took from its last picture; empty while it
  // keeps its design size.
  std::optional<Size> image1_size;
  // The whole file of the last photo loaded into the picture view, empty
  // when none was. It must outlive the window.
  std::string_view image1_jpeg;
  // The input list (ListBox1), in order.
  std::vector<AnsiString> list_box1;
  // The text of the title-close block (Memo1B), lines ending in CR LF.
  AnsiString memo1b;
};

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  // Shows `text` in the modal error box with `caption`, until dismissed.
  virtual void ShowErrorBox(const AnsiString& caption,
                            const AnsiString& text) = 0;
  // Sounds the default beep.
  virtual void Beep() = 0;
  // Lays out the main window for `contents`, places it centred on the
  // primary screen, shows it as the program's entry labelled `title`, and
  // waits until the user closes it.
  virtual void ShowMainWindowUntilClosed(
      const AnsiString& title, const MainWindowContents& contents) = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_BACKEND_H_
