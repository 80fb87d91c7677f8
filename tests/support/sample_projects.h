#pragma once
// Projects that exercise every part of the file format, shared by tests and benchmarks.

#include <string>

#include "model/project.h"

namespace lumora::testing {

// Sets a tag's address and a 4-byte encoding [area, 0, high, low] like the Tarvo libraries produce.
void SetTarvoAddress(TQMTag& tag, const std::string& address, int valueType = kBcd16);

// A QM210K with PLC and local messages, folders, all three data items, passwords and annunciator.
TQMProject MakeKeypadProject(CoreServices services);
// A multiplexer project with a QM210 on port 2 and a QMSV on port 5.
TQMProject MakeMultiplexerProject(CoreServices services);
// A single-panel project as the first file format held it: the old marker, no option lines and no
// leading-zero lines. Loading it offers a backup copy.
std::string OldFormatText(const TQMProject& project);
// Five panels of 256 messages with three data items each (the largest project a file can hold).
TQMProject MakeMaximalProject(CoreServices services);

}  // namespace lumora::testing
