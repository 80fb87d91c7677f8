#pragma once
// Field-level differences between two projects, for verify reports. Empty exactly when Equals holds.

#include <string>
#include <vector>

namespace lumora {

class TQMProject;

// Lines such as "Port 1 (QM210), message 3: text \"A\" / \"B\"" naming what differs, the PC's value first.
std::vector<std::string> DescribeDifferences(const TQMProject& onPc, const TQMProject& inPanel);

}  // namespace lumora
