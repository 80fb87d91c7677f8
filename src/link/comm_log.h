#pragma once
// The communication log: every byte sent and received, in hexadecimal, 40 values a line, with
// "I said:" / "Panel said:" headers and "-- " notes. Process-wide; one exchange writes at a time.

#include <cstdint>
#include <string>

namespace lumora {

// Closes any open log, then opens `path` for writing (truncating it). A failure leaves no log open.
void OpenCommLog(const std::string& path);
void CloseCommLog();
bool CommLogIsOpen();
// Ends the current hexadecimal line if needed, then writes "-- <text>\n".
void CommLogNote(const std::string& text);
// "I said:\n" or "Panel said:\n" on a fresh line.
void CommLogHeader(const char* header);
// One byte as "%02x" followed by a space, or by a line feed after the 40th value of a line.
void CommLogByte(uint8_t byte);

}  // namespace lumora
