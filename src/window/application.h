// The program's life around the main window: creation, the first show that
// performs the run, the error box, and the end.
#ifndef PHOTOPAGES_WINDOW_APPLICATION_H_
#define PHOTOPAGES_WINDOW_APPLICATION_H_

#include <string_view>

#include "common/ansi.h"
#include "common/paths.h"
#include "window/backend.h"

namespace photopages {

// The handlers of the main window, which the album run provides.
class MainFormHandlers {
 public:
  virtual ~MainFormHandlers() = default;
  // The main window was built: lists the command-line arguments as inputs.
  virtual void ListArguments() = 0;
  // The main window's first show: publishes every photo.
  virtual void RunAlbum() = 0;
  // The system announced a change of the user's settings.
  virtual void SettingsChanged() = 0;
  // What the main window shows after RunAlbum, complete or stopped.
  virtual MainWindowContents Contents() const = 0;
};

// The executable's file name, found by `paths`, cut before its first ".",
// every character after the first in lower case: "PhotoPages" gives
// "Photopages", "my.tool" "my".
AnsiString ApplicationTitle(std::string_view executable_path,
                            const PathSyntax& paths);

// `message` with a period appended when it is not empty and its last byte
// sorts after ".".
AnsiString ErrorBoxText(const AnsiString& message);

// Runs the program through `backend`: ListArguments once the main window is
// built, then, at its first show, RunAlbum. An error from either is shown in
// the error box, and start-up goes on after one from ListArguments. After a
// complete run the default beep sounds and the result is 0 (1 when
// ListArguments failed); after an error in the run the main window is shown
// until the user closes it, and the result is 1, as it is when the program is
// closed before its first show. The run happens once.
int RunApplication(const AnsiString& title, MainFormHandlers& form,
                   WindowBackend& backend);

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_APPLICATION_H_
