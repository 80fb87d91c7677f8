#pragma once
// What a connected panel or multiplexer says about itself, as the panel information dialog and
// `lumora info` show it.

#include <string>

namespace lumora {

struct UnitInformation {
  int unitType = 0;
  bool multiplexer = false;
  std::string modelText;
  std::string attributesText;
  std::string firmwareRevision;
  std::string memorySize;
  std::string driverName;
  std::string driverRevision;
};

}  // namespace lumora
