// lumora-write-utility: the Lumora Write Utility desktop program.

#include "app/lumora_app.h"
#include "plc/install_dir.h"
#include "shell/version_loader.h"

int main(int argc, char** argv) {
  lumora::gui::CLumoraApp app(argc, argv);
  // The version comes first; a missing library is reported and the version stays empty.
  lumora::SetApplicationVersion(lumora::LoadApplicationVersion(lumora::InstallDir(), app.Ui()));
  if (!app.InitInstance()) return 1;
  return app.exec();
}
