#include "plc/installed_plc_environment.h"

#include <filesystem>

#include "plc/install_dir.h"
#include "plc/plc_library.h"
#include "plc/plc_manager.h"

namespace lumora {

PlcCatalogueEntry InstalledPlcEnvironment::LookupPlc(int manufacturerId, int modelId) {
  return catalogue_.Lookup(manufacturerId, modelId);
}

std::unique_ptr<PlcModule> InstalledPlcEnvironment::LoadPlcLibrary(const std::string& path,
                                                                   bool& initialised) {
  initialised = false;
  if (!IsInstalledLibraryPath(path)) return nullptr;
  std::unique_ptr<PlcLibraryModule> module = PlcLibraryModule::Open(path);
  if (!module) return nullptr;
  TQMPlcManager manager(module.get(), ui_);  // tells a named library application type 2
  initialised = !module->Name().empty();
  return module;
}

bool IsInstalledLibraryPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return false;
  std::filesystem::path file = std::filesystem::path(path).lexically_normal();
  std::filesystem::path dll = std::filesystem::path(InstallPath("dll")).lexically_normal();
  return file.parent_path() == dll;
}

}  // namespace lumora
