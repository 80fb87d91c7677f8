#pragma once
// A plain-text summary of a project: its PLC, its panels, their messages in display form and every PLC
// address with its access text.

#include <string>

namespace lumora {

class TQMProject;

std::string SummarizeProject(const TQMProject& project);

}  // namespace lumora
