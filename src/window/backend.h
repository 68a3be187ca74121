// What the run needs from the window system. The FLTK backend shows real
// windows on an X display, the Win32 backend on Windows; the headless backend
// stands in where no display can be reached.
#ifndef PHOTOPAGES_WINDOW_BACKEND_H_
#define PHOTOPAGES_WINDOW_BACKEND_H_

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/ansi.h"
#include "picture/display_picture.h"
#include "window/form_layout.h"

namespace photopages {

// Decodes a picture for the picture view to draw: nothing when it cannot.
using PictureDecoder =
    std::function<std::optional<DisplayPicture>(int palette_colours)>;

// What the main window shows once the run is over.
struct MainWindowContents {
  // The size the picture view took from its last picture; empty while it
  // keeps its design size.
  std::optional<Size> picture_size;
  // Decodes the last photo loaded into the picture view for display, with
  // `palette_colours` as DecodeJpegForDisplay takes them; empty when no
  // photo was loaded. What it refers to must outlive the window.
  PictureDecoder picture_decoder;
  // The input list, in order.
  std::vector<AnsiString> input_list;
  // The text of the title-close block, lines ending in CR LF.
  AnsiString title_close_block;
};

// The main window's life as the application lives it, which the backend
// drives: creation, the first show that performs the run, and the user's
// settings changing while the program waits.
class MainWindowEvents {
 public:
  virtual ~MainWindowEvents() = default;
  // The application and its main window have been built, the window not yet
  // shown: fills the input list.
  virtual void Created() = 0;
  // The main window's first show, before it is seen: performs the run. True
  // when the run was complete, and the main window is then closed without
  // being seen; false when an error stopped it, and the window then shows
  // Contents() until the user closes it.
  virtual bool FirstShow() = 0;
  // What the main window shows after a run that stopped.
  virtual MainWindowContents Contents() const = 0;
  // The system announced that the user's settings changed.
  virtual void SettingsChanged() = 0;
};

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  // Shows `text` in the modal error box with `caption`, until dismissed.
  virtual void ShowErrorBox(const AnsiString& caption,
                            const AnsiString& text) = 0;
  // Sounds the default beep.
  virtual void Beep() = 0;
  // Builds the application titled `title` and its main window, calls
  // events.Created(), and runs the window system's event loop until the main
  // window is closed. The backend decides when the first show happens (at
  // once, or when the user restores a program started minimized) and calls
  // events.FirstShow() then, once. After a run that stopped the main window
  // is laid out for events.Contents(), placed centred on the primary screen
  // and shown as the program's entry labelled `title` until the user closes
  // it.
  virtual void RunMainWindow(const AnsiString& title,
                             MainWindowEvents& events) = 0;
};

// The window backend of the system the program is built for (the build links
// either fltk_backend.cpp or windows_backend.cpp), which shows the error box
// and the main window and sounds the beep for this process: on Linux the FLTK
// backend when an X display can be reached and the headless one otherwise;
// on Windows the Win32 backend, shown as the process's start-up information
// asks.
std::unique_ptr<WindowBackend> NewSystemWindowBackend();

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_BACKEND_H_
