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
// The same for a message of the program, which may be in the user's language (UTF-8): whole UTF-8
// characters stay, control bytes and every other byte are written as \xNN.
std::string PrintableMessageText(std::string_view text);

}  // namespace lumora
