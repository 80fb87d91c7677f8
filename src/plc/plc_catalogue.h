#pragma once
// The application's PLC catalogue: every usable PLC library of <Install Dir>/dll, found once at start-up,
// and the (manufacturer id, model id) -> library map. A later library with the same ids takes over the key.
// The libraries are loaded and queried by a probe process each (plc_probe.h); one that cannot be loaded or
// queried there is reported (P011) and left out.

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "model/plc_environment.h"

namespace lumora {

class Interaction;
struct PlcLibraryProbe;

class PlcCatalogue {
 public:
  void Discover(Interaction& interaction);
  const std::vector<PlcCatalogueEntry>& Entries() const { return entries_; }
  // (name, path) for the ids, empty texts when unknown.
  PlcCatalogueEntry Lookup(int manufacturerId, int modelId) const;
  // Position in Entries() for the ids, -1 when unknown.
  int IndexOf(int manufacturerId, int modelId) const;

 private:
  std::vector<PlcCatalogueEntry> entries_;
  std::map<uint16_t, size_t> byIds_;
};

// Runs the discovery on its own thread; the first caller that needs the list waits for it.
class PlcDiscovery {
 public:
  PlcDiscovery() = default;
  ~PlcDiscovery();
  void Start(Interaction& interaction);
  // Blocks until the discovery has ended; later calls return at once.
  const PlcCatalogue& Wait();

 private:
  PlcCatalogue catalogue_;
  std::thread thread_;
  std::mutex mutex_;
};

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

// What listing a probed library tells the user: P011 with the reason for one that cannot be used (false),
// P009 for a named one without SetApplicationType, as loading it would.
bool ReportProbe(const PlcLibraryProbe& library, Interaction& interaction);

// True when `path` names a file directly inside <Install Dir>/dll.
bool IsInstalledLibraryPath(const std::string& path);

}  // namespace lumora
