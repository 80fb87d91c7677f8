#include "app/discovering_plc_environment.h"

#include <QCoreApplication>
#include <QThread>

#include "plc/installed_plc_environment.h"

namespace lumora::gui {

const PlcCatalogue& DiscoveringPlcEnvironment::Wait() {
  const PlcCatalogue& catalogue = discovery_.Wait();
  QCoreApplication* app = QCoreApplication::instance();
  if (app && QThread::currentThread() == app->thread()) discoveryMessages_.ShowKept();
  return catalogue;
}

PlcCatalogueEntry DiscoveringPlcEnvironment::LookupPlc(int manufacturerId, int modelId) {
  return Wait().Lookup(manufacturerId, modelId);
}

std::unique_ptr<PlcModule> DiscoveringPlcEnvironment::LoadPlcLibrary(const std::string& path,
                                                                     bool& initialised) {
  InstalledPlcEnvironment installed(Wait(), ui_);
  return installed.LoadPlcLibrary(path, initialised);
}

}  // namespace lumora::gui
