#pragma once
// The one-message clipboard form both message editors use: a message's file lines in a text buffer
// (TQMMessage::AppendTo / LoadFrom), and what a paste does with a message read from it.

#include <string>

namespace lumora {

class AddressCheck;
class TQMMessage;
class TQMPanel;
class TQMProject;

// `message`'s file lines with a terminating zero, as the set-point list copies it.
std::string ClipboardText(const TQMMessage& message);

// A message read from clipboard text up to its terminating zero, owned by `project` and `panel`. Text
// the line reader gives up on leaves an empty message with the description "New".
TQMMessage ReadClipboardMessage(std::string text, TQMProject* project, TQMPanel* panel);

// The addresses of a pasted message checked again against the project's PLC: data item 1 with its own
// access, the decimal point's as a BCD 16 word and data items 2 and 3 read only. A refused address is
// forgotten (its value type stays); the others are encoded again.
void RecheckPastedAddresses(TQMMessage& message, AddressCheck& check);

}  // namespace lumora
