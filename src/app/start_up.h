// The system the program runs on: its Platform and its window backend. The
// build picks the start-up file that makes them (posix_start_up.cpp on Linux,
// windows_start_up.cpp on Windows), so main() names neither.
#ifndef PHOTOPAGES_APP_START_UP_H_
#define PHOTOPAGES_APP_START_UP_H_

#include <memory>

#include "platform/platform.h"
#include "window/backend.h"

namespace photopages {

struct SystemServices {
  std::unique_ptr<Platform> platform;
  std::unique_ptr<WindowBackend> window;
};

// The services of the process started with `argc` and `argv`.
SystemServices StartUpSystem(int argc, const char* const* argv);

}  // namespace photopages

#endif  // PHOTOPAGES_APP_START_UP_H_
