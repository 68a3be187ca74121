#include <memory>

#include "app/form1.h"
#include "platform/posix_platform.h"
#include "window/application.h"
#include "window/fltk_backend.h"
#include "window/headless_backend.h"

namespace {

// The FLTK backend when an X display can be reached, the headless one
// otherwise.
std::unique_ptr<photopages::WindowBackend> OpenWindowBackend() {
  if (auto fltk = photopages::FltkBackend::Connect()) return fltk;
  return std::make_unique<photopages::HeadlessBackend>();
}

}  // namespace

int main(int argc, char** argv) {
  photopages::PosixPlatform platform(argc, argv);
  photopages::TForm1 form(platform);
  std::unique_ptr<photopages::WindowBackend> backend = OpenWindowBackend();
  return photopages::RunApplication(
      photopages::ApplicationTitle(platform.ExecutablePath()), form, *backend);
}
