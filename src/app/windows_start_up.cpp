#include "app/start_up.h"
#include "window/windows_backend.h"

namespace photopages {

std::unique_ptr<WindowBackend> OpenSystemWindowBackend() {
  return std::make_unique<WindowsBackend>(StartupShowRequest());
}

}  // namespace photopages
