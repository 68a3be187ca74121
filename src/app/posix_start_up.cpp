#include <unistd.h>

#include "app/start_up.h"
#include "window/fltk_backend.h"
#include "window/headless_backend.h"

namespace photopages {

// The FLTK backend when an X display can be reached, the headless one
// otherwise.
std::unique_ptr<WindowBackend> OpenSystemWindowBackend() {
  if (auto fltk = FltkBackend::Connect()) return fltk;
  return std::make_unique<HeadlessBackend>(isatty(STDERR_FILENO) != 0);
}

}  // namespace photopages
