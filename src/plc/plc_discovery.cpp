#include "plc/plc_discovery.h"

namespace lumora {

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

}  // namespace lumora
