#include <memory>

#include "app/main_form.h"
#include "app/start_up.h"
#include "platform/platform.h"
#include "window/application.h"

int main(int argc, char** argv) {
  std::unique_ptr<photopages::Platform> platform =
      photopages::NewSystemPlatform(argc, argv);
  photopages::MainForm form(*platform);
  std::unique_ptr<photopages::WindowBackend> backend =
      photopages::OpenSystemWindowBackend();
  return photopages::RunApplication(
      photopages::ApplicationTitle(platform->ExecutablePath(),
                                   platform->Paths()),
      form, *backend);
}
