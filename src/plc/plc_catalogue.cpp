#include "plc/plc_catalogue.h"

#include <cstdio>
#include <cstring>

#include "model/interaction.h"
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
    interaction.ShowMessage(FillPlaceholders(translate("Core", kP011Format), {library.path, library.problem}),
                            "", MessageIcon::Exclamation);
    return false;
  }
  // Loading a named library tells it the application type, which one without the entry point cannot take.
  if (!library.name.empty() && !library.setsApplicationType)
    interaction.ShowMessage(translate("Core", kP009Text), "", MessageIcon::Exclamation);
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

}  // namespace lumora
