#pragma once
// A plain-text summary of a project: its PLC, its panels, their messages in display form and every PLC
// address with its access text.

#include <string>
#include <string_view>

namespace lumora {

class TQMProject;

std::string SummarizeProject(const TQMProject& project);
// The text with every byte outside printable ASCII written as \xNN, so that it stays on one line.
std::string PrintableText(std::string_view text);

}  // namespace lumora
