#include <unistd.h>

#include "app/start_up.h"
#include "platform/posix_platform.h"
#include "window/fltk_backend.h"
#include "window/headless_backend.h"

namespace photopages {

// The FLTK backend when an X display can be reached, the headless one
// otherwise.
SystemServices StartUpSystem(int argc, const char* const* argv) {
  SystemServices system;
  system.platform = std::make_unique<PosixPlatform>(argc, argv);
  system.window = FltkBackend::Connect();
  if (!system.window) {
    system.window =
        std::make_unique<HeadlessBackend>(isatty(STDERR_FILENO) != 0);
  }
  return system;
}

}  // namespace photopages
