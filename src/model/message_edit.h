#pragma once
// Applying the edit of one message in the message editor: the limits of data item 1, the PLC message's
// number, the widths of the data items, the panel's address limit and the addresses themselves, checked
// in that order. The editor reads its fields into a MessageForm and shows the answer: the message as
// edited, or the field that was refused with the system's text.

#include <array>
#include <optional>
#include <string>

#include "model/address_check.h"
#include "model/interaction.h"
#include "model/message.h"
#include "model/translation.h"

namespace lumora {

class MessageListEdit;
class TQMPanel;

inline constexpr const char* kNumberChangeCaution = QT_TRANSLATE_NOOP(
    "Core",
    "CAUTION: When changing a message number to a higher number,\nall unused lower message numbers will be "
    "sent "
    "as \"blank\" messages\nwhen the program is transferred to the panel. Blank messages will be\ncounted as "
    "part of the maximum allowable messages (256 total)\n\nProceed?");

// A message the system shows, and its icon.
struct Notice {
  std::string text;
  MessageIcon icon = MessageIcon::None;
};


// What the editor's right-hand side holds when the edit is applied.
struct MessageForm {
  std::string text;     // with its data markers
  std::string number;   // as typed; PLC messages only
  std::string minimum;  // data item 1's limits, as typed
  std::string maximum;
  std::array<int, 3> valueTypes{kBcd16, kBcd16, kBcd16};
  bool readOnly = false;  // data item 1's access
  bool passwordProtected = false;
  bool plcPassword = false;  // the PLC's password instead of the panel's own
  bool variableDecimal = false;
  std::array<bool, 3> leadingZeros{};
  // "tag\taddress" of data items 1 to 3 and of the decimal point's address.
  std::array<std::string, 4> references;
};

enum class MessageField {
  None,
  Minimum,
  Maximum,
  Number,
  Text,
  Address1,
  Address2,
  Address3,
  DecimalAddress
};

// The answer to the number-change caution: not asked yet, Yes, No.
enum class NumberChange { Ask, Take, Keep };

struct MessageEditResult {
  enum class Outcome { Accepted, Refused, AskNumberChange };
  Outcome outcome = Outcome::Refused;
  TQMMessage message;                       // Accepted: the message as edited, with the number it keeps
  MessageField focus = MessageField::None;  // Refused: the field that gets the focus
  Notice notice;                            // Refused: what the system says
  std::optional<int> numberShown;           // the number the number field shows again
  bool Accepted() const { return outcome == Outcome::Accepted; }
};

// The form showing `message` as it is; applying it unchanged gives the message back.
MessageForm FormOf(const TQMMessage& message);

// Data item 1's maximum after its type changes from `oldType` to `newType`: a maximum at the old type's
// largest value becomes the new type's largest; any other stays as typed.
std::string MaximumForType(const TQMPanel& panel, const std::string& maximum, int oldType, int newType);

// Applies `form` to the PLC message (`plc`) or local item at `index` of `lists`. AskNumberChange means
// the number changed and the caution must be answered first: call again with the answer.
MessageEditResult ApplyMessageEdit(const MessageListEdit& lists, bool plc, int index, const MessageForm& form,
                                   AddressCheck& addresses, NumberChange change = NumberChange::Ask);

}  // namespace lumora
