#pragma once
// The rules a panel's messages and addresses must keep: the limits the editors check before they change
// a message, and one validation of a whole project that runs before anything is written to a panel.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/translation.h"

namespace lumora {

inline constexpr const char* kM002Text = QT_TRANSLATE_NOOP(
    "Core", "Error M002:  Invalid message number or this message number has already been configured");
inline constexpr const char* kM003Text =
    QT_TRANSLATE_NOOP("Core", "Error M003: Cannot add a message with message number greater than 256.");
inline constexpr const char* kM005Text =
    QT_TRANSLATE_NOOP("Core", "Error M005: Message number is out of range");
inline constexpr const char* kT001Text =
    QT_TRANSLATE_NOOP("Core", "Error T001: PLC Address count exceeds maximum limit");
inline constexpr const char* kT003Text =
    QT_TRANSLATE_NOOP("Core", "Error T003: The value entered is invalid");
inline constexpr const char* kZ005Text =
    QT_TRANSLATE_NOOP("Core", "Error Z005:  The Maximum message length has exceeded.");
// "Error M001: Unable to add a new Message/Folder. ..." with the 256 messages of a panel.
std::string M001Text();

class TQMMessage;
class TQMPanel;
class TQMProject;

enum class Rule {
  RoomForMessage,    // M001: at most 256 messages per panel
  PlcMessageNumber,  // M003: PLC message numbers stay below the local messages
  AddressLimit,      // T001: at most 300 PLC addresses per panel
  MessageLength,     // Z005: the text fits the panel's line
  DataItemWidth,     // positions of a data item within its data type's limit
  Character,         // only characters the panel can show
  DecimalPoint,      // 0xFC once, right after data item 1, with the PLC-controlled decimal point
  DuplicateNumber,   // a message number used twice
  MessageNumber,     // a message number outside 1..256 or outside its kind's range
  Level,             // a local message's level within the panel's menu depth
  ValueLimits,       // 0 <= minimum <= maximum <= the data type's largest value
  PanelType,         // a known panel type, matching the multiplexer table
  PanelPort,         // port 1 for a single panel, 1..5 and unique behind a multiplexer
  AddressSize,       // the stored address size is the PLC's
  TagName,           // a tag name without control characters
};

struct RuleViolation {
  Rule rule;
  std::string text;  // the system's message text where it has one
};
using RuleCheck = std::optional<RuleViolation>;

// "Error M001" when the panel already holds 256 messages.
RuleCheck CheckRoomForMessage(const TQMPanel& panel);
// "Error M003" when a new PLC message number exceeds 256 minus the number of local messages.
RuleCheck CheckPlcMessageNumber(const TQMPanel& panel, int number);
// "Error T001" when adding `message` would take the panel above 300 PLC addresses.
RuleCheck CheckAddressLimit(const TQMPanel& panel, const TQMMessage& message);
// "Maximum %d  %s can be defined with selected data type" when a data item has more positions than its
// data type allows.
RuleCheck CheckDataItemWidth(std::string_view text, int item, int valueType);
// The number a new PLC message takes: after `selectedNumber` (after the last PLC message when 0),
// skipping numbers already taken.
int NextPlcMessageNumber(const TQMPanel& panel, int selectedNumber);
// Whether the panel can show `byte` in a message text: printable ASCII, and the data markers where data
// items are allowed.
bool IsShowableByte(unsigned char byte, bool dataAllowed);

struct ProjectProblem {
  std::string where;  // "Port 1 (QM210), message 3" or "PLC"
  RuleViolation violation;
  std::string Line() const { return where.empty() ? violation.text : where + ": " + violation.text; }
};

// The rules a panel keeps on its own, wherever it is put: its type, its messages and their texts, numbers,
// levels and limits, and its tag names. What depends on its place in a project (its port, the
// multiplexer's table, the PLC's address size) is left to `ValidateProject`.
std::vector<ProjectProblem> ValidatePanel(const TQMPanel& panel);

// The `where` of ValidatePanel's problems about one message of the panel.
std::string MessageProblemPlace(const TQMPanel& panel, const TQMMessage& message);

// Every rule above over the whole project. `plcAddressSize` is the loaded PLC library's encoded address
// size (0 when unknown). An empty list means the project may be written.
std::vector<ProjectProblem> ValidateProject(const TQMProject& project, int plcAddressSize = 0);

}  // namespace lumora
