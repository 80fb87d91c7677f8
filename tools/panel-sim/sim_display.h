#pragma once
// How a panel would show one stored message, with sample values in its data fields.

#include <string>
#include <vector>

namespace panel_sim {

// Renders the record of the unit type as the display's lines: the message on the first line, sample
// values 1234, 56 and 7 in data items 1, 2 and 3 (leading zeroes and the decimal point as the record
// says). For a set-point panel: the 16-character description and the 8-digit value.
std::vector<std::string> RenderMessage(int unitType, const std::vector<unsigned char>& record);
// Reads the simulator's state file and frames the rendered lines; "" and `error` when not found.
// `port` -1 takes the first unit that holds the message.
std::string RenderStoredMessage(const std::string& statePath, int port, int number, std::string& error);

}  // namespace panel_sim
