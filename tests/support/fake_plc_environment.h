#pragma once
// A PLC catalogue for model tests: knows (31,2) "Tarvo DL-205" and (40,1) "Modbus RTU".

#include <map>
#include <utility>

#include "model/plc_environment.h"

namespace lumora::testing {

class FakePlcEnvironment : public PlcEnvironment {
 public:
  FakePlcEnvironment() {
    catalogue[{31, 2}] = {"Tarvo DL-205", "/opt/lumora/dll/TDL205.so"};
    catalogue[{40, 1}] = {"Modbus RTU", "/opt/lumora/dll/MODRTU.so"};
  }
  PlcCatalogueEntry LookupPlc(int manufacturerId, int modelId) override {
    auto it = catalogue.find({manufacturerId, modelId});
    return it == catalogue.end() ? PlcCatalogueEntry{} : it->second;
  }
  std::unique_ptr<PlcModule> LoadPlcLibrary(const std::string& path, bool& initialised) override {
    ++loads;
    lastPath = path;
    initialised = !path.empty();
    return path.empty() ? nullptr : std::make_unique<PlcModule>();
  }

  std::map<std::pair<int, int>, PlcCatalogueEntry> catalogue;
  int loads = 0;
  std::string lastPath;
};

}  // namespace lumora::testing
