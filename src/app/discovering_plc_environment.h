#pragma once
// DiscoveringPlcEnvironment: the PLC services of the desktop program while the libraries are being found.

#include <memory>
#include <string>

#include "app/deferred_interaction.h"
#include "model/plc_environment.h"
#include "plc/plc_discovery.h"

namespace lumora::gui {

// The model's PLC services for the GUI: every lookup waits until the discovery thread has ended.
class DiscoveringPlcEnvironment : public PlcEnvironment {
 public:
  DiscoveringPlcEnvironment(PlcDiscovery& discovery, DeferredInteraction& discoveryMessages,
                            Interaction& interaction)
      : discovery_(discovery), discoveryMessages_(discoveryMessages), ui_(interaction) {}
  PlcCatalogueEntry LookupPlc(int manufacturerId, int modelId) override;
  std::unique_ptr<PlcModule> LoadPlcLibrary(const std::string& path, bool& initialised) override;
  // Joins the discovery thread, then shows what it had to say (on the user-interface thread).
  const PlcCatalogue& Wait();

 private:
  PlcDiscovery& discovery_;
  DeferredInteraction& discoveryMessages_;
  Interaction& ui_;
};

}  // namespace lumora::gui
