#pragma once
// The application's PLC catalogue: every usable PLC library of <Install Dir>/dll, found once at start-up,
// and the (manufacturer id, model id) -> library map. A later library with the same ids takes over the key.
// The libraries are loaded and queried by a probe process each (plc_probe.h); one that cannot be loaded or
// queried there is reported (P011) and left out.

#include <cstddef>
#include <cstdint>
#include <map>
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

// What listing a probed library tells the user: P011 with the reason for one that cannot be used (false),
// P009 for a named one without SetApplicationType, as loading it would.
bool ReportProbe(const PlcLibraryProbe& library, Interaction& interaction);

}  // namespace lumora
