// The window backend of the system the program runs on. The build picks the
// start-up file that makes it (posix_start_up.cpp on Linux,
// windows_start_up.cpp on Windows), so main() names no backend.
#ifndef PHOTOPAGES_APP_START_UP_H_
#define PHOTOPAGES_APP_START_UP_H_

#include <memory>

#include "window/backend.h"

namespace photopages {

// The backend that shows the error box and the main window and sounds the
// beep for this process.
std::unique_ptr<WindowBackend> OpenSystemWindowBackend();

}  // namespace photopages

#endif  // PHOTOPAGES_APP_START_UP_H_
