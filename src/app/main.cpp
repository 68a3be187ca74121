#include <memory>

#include "app/form1.h"
#include "platform/posix_platform.h"
#include "window/application.h"
#include "window/fltk_backend.h"

int main(int argc, char** argv) {
  photopages::PosixPlatform platform(argc, argv);
  photopages::TForm1 form(platform);
  std::unique_ptr<photopages::WindowBackend> backend =
      photopages::OpenWindowBackend();
  return photopages::RunApplication(
      photopages::ApplicationTitle(platform.ExecutablePath()), form, *backend);
}
