#include "link/link_timeouts.h"

#include <algorithm>
#include <mutex>

namespace lumora {
namespace {

std::mutex gMutex;
LinkTimeouts gTimeouts;

}  // namespace

LinkTimeouts DefaultLinkTimeouts() {
  return LinkTimeouts{};
}

void SetLinkTimeouts(const LinkTimeouts& timeouts) {
  LinkTimeouts clean = timeouts;
  for (int* field : {&clean.readIntervalMs, &clean.readMultiplierMs, &clean.readConstantMs,
                     &clean.writeMultiplierMs, &clean.writeConstantMs})
    *field = std::max(*field, 0);
  std::lock_guard lock(gMutex);
  gTimeouts = clean;
}

LinkTimeouts CurrentLinkTimeouts() {
  std::lock_guard lock(gMutex);
  return gTimeouts;
}

}  // namespace lumora
