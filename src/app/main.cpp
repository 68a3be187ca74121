#include <memory>

#include "app/main_form.h"
#include "platform/platform.h"
#include "window/application.h"
#include "window/backend.h"

int main(int argc, char** argv) {
  std::unique_ptr<photopages::Platform> platform =
      photopages::NewSystemPlatform(argc, argv);
  photopages::MainForm form(*platform);
  std::unique_ptr<photopages::WindowBackend> backend =
      photopages::NewSystemWindowBackend();
  return photopages::RunApplication(
      photopages::ApplicationTitle(platform->ExecutablePath(),
                                   platform->Paths()),
      form, *backend);
}
