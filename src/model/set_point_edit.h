#pragma once
// Accepting the edit of one set-point message: the fields as the user left them, checked against the
// panel's limits and the project's PLC, give either the message to store or the field that is refused
// and what to say. The set-point configuration only reads its fields into a SetPointFields and shows
// the answer.

#include <optional>
#include <string>

#include "model/address_check.h"
#include "model/message.h"
#include "model/translation.h"

namespace lumora {

class SetPointList;
class TQMPanel;

inline constexpr const char* kNotAnIntegerText = QT_TRANSLATE_NOOP("Core", "Please enter an integer.");

// The decimal-point box positions: none (0, and any position outside the box), fixed 1..7, variable.
enum class DecimalMode { None, Fixed, Variable };
DecimalMode DecimalModeAt(int position);

struct SetPointFields {
  int number = 0;  // the current message number; 0 when none is chosen
  std::string description;
  std::string minimum;  // as typed
  std::string maximum;
  int typePosition = 0;  // data-type box position
  bool readOnly = false;  // display method "Read only"
  int decimalPosition = 0;
  std::string valueEntry;  // address entries: tag name, a tab, address
  std::string decimalEntry;
  // No description and no address typed.
  bool Blank() const;
};

// The fields of a new number: description and addresses empty, "Read/Write", BCD 16 with its limits 0 to
// 9999, no decimal point.
SetPointFields ClearedSetPointFields(int number);
// The fields showing `message` (a description cut to 16 characters).
SetPointFields SetPointFieldsOf(const TQMMessage& message);

enum class SetPointField { Number, Minimum, Maximum, ValueAddress, DecimalAddress };

struct SetPointEdit {
  std::optional<TQMMessage> message;  // what to store under its number
  SetPointField refused = SetPointField::Number;
  AddressRefusal refusal;  // what to say about the refused field
  bool Accepted() const { return message.has_value(); }
};

// The number (1..256), the limits (both integers, then against the data type's largest value on the
// panel), the value address with the display method's access, and with a variable decimal point its
// address (read/write, BCD 16). An accepted edit starts from the list's message of that number, if any.
SetPointEdit EditSetPoint(const SetPointFields& fields, const SetPointList& list, TQMPanel& panel,
                          AddressCheck& check);

// A set point pasted from clipboard text: the first free number above `afterNumber` (see
// SetPointList::PasteNumber), the description cut to 16 characters, the addresses checked again. Nothing
// when no number is free (M003).
std::optional<TQMMessage> PasteSetPoint(const std::string& clipboardText, const SetPointList& list,
                                        std::optional<int> afterNumber, TQMPanel& panel, AddressCheck& check);

// What the preview shows while the fields are edited: the description and the maximum (0 when it is
// not a number, at most 99999999) with the chosen decimal point.
TQMMessage SetPointPreview(const SetPointFields& fields);

// The panel's set-up besides its messages: the message-selection register (a BCD 16 or binary 16 word,
// box positions 0 and 1) and the beeper.
struct SetPointSetup {
  bool selecting = false;
  int selectionTypePosition = 0;
  std::string selectionEntry;  // tag name, a tab, address
  bool beeper = true;
};

// The maximum the data-type box writes when a type is chosen: that type's largest value on the panel
// ("9999", "65535", "99999999").
std::string SetPointMaximumForType(int typePosition);

// The editing session of the set-point configuration: which number is shown, whether its fields were edited
// since, and whether they are blank and a list row is selected.
struct SetPointSession {
  int currentNumber = 0;
  bool editChanged = false;
  bool fieldsBlank = true;
  std::optional<int> selectedRow;
};
// What making set point `number` current does. A number without a message, while nothing was typed and no row
// is selected, shows cleared fields at once; the message already shown, unedited and selected, stays; anything
// else first leaves the current edit (asking about an unapplied one) and then shows the number.
enum class SetPointSwitch { ShowCleared, Stay, LeaveEditThenShow };
SetPointSwitch DecideSetPointSwitch(const SetPointList& list, int number, const SetPointSession& session);

// The message-selection register as OK stores it: empty when not selecting, else its address taken
// read only; the refusal when the PLC does not take it.
std::optional<AddressRefusal> CheckSelectionRegister(const SetPointSetup& setup, TQMTag& reg, AddressCheck& check);
// OK's store: the register (checked above), the messages sorted by number, the beeper.
void StoreSetPointPanel(TQMPanel& panel, const SetPointList& list, const TQMTag& reg, bool beeper);

}  // namespace lumora
