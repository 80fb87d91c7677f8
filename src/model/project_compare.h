#pragma once
// The one comparison of projects: `Equals` at every level and the field-level differences that verify
// reports are the same walk, so "equal" and "no differences" always agree.

#include <string>
#include <vector>

namespace lumora {

class TQMMessage;
class TQMPanel;
class TQMProject;

// Lines such as "Port 1 (QM210), message 3: text \"A\" / \"B\"" naming what differs, the first project's
// value first. Messages are matched by kind (PLC or local) and number, so one missing message does not
// make every later one differ.
std::vector<std::string> DescribeDifferences(const TQMProject& onPc, const TQMProject& inPanel);

bool ProjectsEqual(const TQMProject& a, const TQMProject& b);
bool PanelsEqual(const TQMPanel& a, const TQMPanel& b);
bool MessagesEqual(const TQMMessage& a, const TQMMessage& b);

}  // namespace lumora
