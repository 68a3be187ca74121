#include "app/form1.h"
#include "app/start_up.h"
#include "window/application.h"

int main(int argc, char** argv) {
  photopages::SystemServices system = photopages::StartUpSystem(argc, argv);
  photopages::TForm1 form(*system.platform);
  return photopages::RunApplication(
      photopages::ApplicationTitle(system.platform->ExecutablePath(),
                                   system.platform->Paths()),
      form, *system.window);
}
