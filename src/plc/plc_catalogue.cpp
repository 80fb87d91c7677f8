#include "plc/plc_catalogue.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/interaction.h"

#include "plc/install_dir.h"
#include "plc/plc_library.h"
#include "plc/plc_manager.h"
#include "plc/plc_probe.h"

namespace lumora {

void PlcCatalogue::Discover(Interaction& interaction) {
  entries_.clear();
  byIds_.clear();
  // Each library is tried in a process of its own: one that crashes or hangs is named and left out.
  for (const PlcLibraryProbe& library : ProbePlcLibraries(TQMPlcManager::LibraryFiles())) {
    if (!ReportProbe(library, interaction) || library.name.empty()) continue;
    entries_.push_back({library.name, library.path});
    byIds_[static_cast<uint16_t>((library.manufacturerId << 8) | library.modelId)] = entries_.size() - 1;
  }
}

bool ReportProbe(const PlcLibraryProbe& library, Interaction& interaction) {
  if (!library.usable) {
    std::vector<char> text(std::strlen(kP011Format) + library.path.size() + library.problem.size() + 1);
    std::snprintf(text.data(), text.size(), kP011Format, library.path.c_str(), library.problem.c_str());
    interaction.ShowMessage(text.data(), "", MessageIcon::Exclamation);
    return false;
  }
  // Loading a named library tells it the application type, which one without the entry point cannot take.
  if (!library.name.empty() && !library.setsApplicationType)
    interaction.ShowMessage(kP009Text, "", MessageIcon::Exclamation);
  return true;
}

int PlcCatalogue::IndexOf(int manufacturerId, int modelId) const {
  auto it = byIds_.find(static_cast<uint16_t>(((manufacturerId & 0xFF) << 8) | (modelId & 0xFF)));
  return it == byIds_.end() ? -1 : static_cast<int>(it->second);
}

PlcCatalogueEntry PlcCatalogue::Lookup(int manufacturerId, int modelId) const {
  int index = IndexOf(manufacturerId, modelId);
  return index < 0 ? PlcCatalogueEntry{} : entries_[static_cast<size_t>(index)];
}

PlcDiscovery::~PlcDiscovery() {
  if (thread_.joinable()) thread_.join();
}

void PlcDiscovery::Start(Interaction& interaction) {
  std::lock_guard lock(mutex_);
  if (thread_.joinable()) return;
  thread_ = std::thread([this, &interaction] { catalogue_.Discover(interaction); });
}

const PlcCatalogue& PlcDiscovery::Wait() {
  std::lock_guard lock(mutex_);
  if (thread_.joinable()) thread_.join();
  return catalogue_;
}

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
