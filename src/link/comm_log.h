#pragma once
// The communication log: every byte sent and received, in hexadecimal, 40 values a line, with
// "I said:" / "Panel said:" headers and "-- " notes. Process-wide; one exchange writes at a time.

#include <cstdint>
#include <string>

namespace lumora {

// Closes any open log, then opens the log for `path`. The log is written as the exchange goes, a line at a
// time, so that a transfer that hangs or is killed still leaves it; an existing log is kept until the new
// one is whole: a regular file (or a new one) is written as "PATH.partial" and renamed over PATH when the
// log is closed. Anything else (a terminal, a FIFO with a reader) is written directly. A failure leaves no
// log open and errno set.
bool OpenCommLog(const std::string& path);
// Ends the log. False when any of it could not be written (a full disk): `error` then says why, PATH is left
// as it was, and PATH.partial holds what could be written (`partialKept`; false for a log written directly).
// Closing with no log open succeeds.
bool CloseCommLog(std::string* error = nullptr, bool* partialKept = nullptr);
bool CommLogIsOpen();
// Ends the current hexadecimal line if needed, then writes "-- <text>\n".
void CommLogNote(const std::string& text);
// "I said:\n" or "Panel said:\n" on a fresh line.
void CommLogHeader(const char* header);
// One byte as "%02x" followed by a space, or by a line feed after the 40th value of a line.
void CommLogByte(uint8_t byte);

}  // namespace lumora
