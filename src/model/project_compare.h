#pragma once
// The one comparison of projects: `Equals` at every level and the field-level differences that verify
// reports are the same walk, so "equal" and "no differences" always agree.

#include <string>
#include <vector>

namespace lumora {

class TQMMessage;
class TQMPanel;
class TQMProject;

// What "the same" means. File: every field a project file holds, to the byte (address texts, tag names,
// the PLC library, the tag map). Panel: what a panel holds and gives back when read (the encoded addresses,
// not their texts or tag names), for verify and for deciding whether a read brought anything new.
enum class CompareScope { File, Panel };

// How a line names a panel that only one of the two projects has. The defaults are verify's, which compares
// the project on the PC with the one read from the panel.
struct DifferenceSides {
  std::string onlyInFirst = "not in the panel";
  std::string onlyInSecond = "not on the PC";
};

// Lines such as "Port 1 (QM210), message 3: text \"A\" / \"B\"" naming what differs, the first project's
// value first. Messages are matched by kind (PLC or local) and number, so one missing message does not
// make every later one differ.
std::vector<std::string> DescribeDifferences(const TQMProject& onPc, const TQMProject& inPanel,
                                             const DifferenceSides& sides = {},
                                             CompareScope scope = CompareScope::File);
// The same lines for two panels alone.
std::vector<std::string> DescribePanelDifferences(const TQMPanel& a, const TQMPanel& b);

bool ProjectsEqual(const TQMProject& a, const TQMProject& b, CompareScope scope = CompareScope::File);
bool PanelsEqual(const TQMPanel& a, const TQMPanel& b);
bool MessagesEqual(const TQMMessage& a, const TQMMessage& b);

}  // namespace lumora
