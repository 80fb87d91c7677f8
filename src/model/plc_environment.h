#pragma once
// What the project model needs to know about PLCs. The PLC layer implements it over the installed
// PLC libraries; model tests use a small fake.

#include <memory>
#include <string>

namespace lumora {

struct PlcCatalogueEntry {
  std::string name;  // PLC display name
  std::string path;  // full path of the PLC library; empty when the PLC is not installed
};

// A loaded PLC library, owned by the project that loaded it. Unloaded when destroyed.
class PlcModule {
 public:
  virtual ~PlcModule() = default;
};

class PlcEnvironment {
 public:
  virtual ~PlcEnvironment() = default;
  // The application's PLC catalogue lookup by (manufacturer id, model id).
  virtual PlcCatalogueEntry LookupPlc(int manufacturerId, int modelId) = 0;
  // Loads the library at `path` and initialises it with application type 2. `initialised` tells whether
  // the library is a usable PLC library. Returns null when it cannot be loaded.
  virtual std::unique_ptr<PlcModule> LoadPlcLibrary(const std::string& path, bool& initialised) = 0;
};

}  // namespace lumora
