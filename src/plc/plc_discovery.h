#pragma once
// PlcDiscovery: the PLC catalogue, found on a thread of its own while the program starts.

#include <mutex>
#include <thread>

#include "plc/plc_catalogue.h"

namespace lumora {

class Interaction;

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

}  // namespace lumora
