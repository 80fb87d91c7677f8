#include "link/link_speed.h"

#include <atomic>

namespace lumora {
namespace {
std::atomic<int> gLinkSpeed{9600};
}

void SetLinkSpeed(int bitsPerSecond) {
  gLinkSpeed.store(bitsPerSecond);
}
int LinkSpeed() {
  return gLinkSpeed.load();
}

}  // namespace lumora
