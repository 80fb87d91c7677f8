#pragma once
// InstalledPlcEnvironment: the PLC libraries of the install tree as the model sees them.

#include <memory>
#include <string>

#include "model/plc_environment.h"
#include "plc/plc_catalogue.h"

namespace lumora {

class Interaction;

// The model's view of the installed PLC libraries: catalogue lookups and library loading, confined to
// <Install Dir>/dll.
class InstalledPlcEnvironment : public PlcEnvironment {
 public:
  InstalledPlcEnvironment(const PlcCatalogue& catalogue, Interaction& interaction)
      : catalogue_(catalogue), ui_(interaction) {}
  PlcCatalogueEntry LookupPlc(int manufacturerId, int modelId) override;
  std::unique_ptr<PlcModule> LoadPlcLibrary(const std::string& path, bool& initialised) override;

 private:
  const PlcCatalogue& catalogue_;
  Interaction& ui_;
};

// True when `path` names a file directly inside <Install Dir>/dll.
bool IsInstalledLibraryPath(const std::string& path);

}  // namespace lumora
