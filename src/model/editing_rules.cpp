#include "model/editing_rules.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "model/message_text.h"
#include "model/project.h"
#include "model/translation.h"

namespace lumora {
namespace {

// A byte as the two upper-case hexadecimal digits "%02X" writes.
std::string Hex(unsigned char byte) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

RuleViolation Violation(Rule rule, std::string text) {
  return RuleViolation{rule, std::move(text)};
}

}  // namespace

std::string M001Text() {
  return Arg(
      translate("Core",
                "Error M001: Unable to add a new Message/Folder.\n\nPossible cause: All the available %1 "
                "messages have been programmed "),
      kMaxMessagesPerPanel);
}

namespace {

std::string MessageName(const std::string& where, const TQMMessage& message) {
  return where + Arg(message.isPlcMessage != 0 ? translate("Core", ", message %1")
                                               : translate("Core", ", local message %1"),
                     message.number);
}

class ProblemList {
 public:
  explicit ProblemList(std::vector<ProjectProblem>& problems) : problems_(problems) {}
  void Add(const std::string& where, RuleViolation violation) {
    problems_.push_back(ProjectProblem{where, std::move(violation)});
  }
  void Add(const std::string& where, const RuleCheck& check) {
    if (check) Add(where, *check);
  }

 private:
  std::vector<ProjectProblem>& problems_;
};

void CheckMessageText(ProblemList& problems, const std::string& where, const TQMPanel& panel,
                      const TQMMessage& message) {
  bool folder = message.isPlcMessage == 0 && message.isFolder != 0;
  int limit = MessageLengthLimit(panel.panelType, folder);
  if (static_cast<int>(message.text.size()) > limit)
    problems.Add(where, Violation(Rule::MessageLength, translate("Core", kZ005Text)));
  bool dataAllowed = !panel.IsSetPointPanel() && !folder;
  for (unsigned char byte : message.text) {
    if (!IsShowableByte(byte, dataAllowed)) {
      problems.Add(
          where,
          Violation(Rule::Character,
                    Arg(translate("Core", "The message text holds a character the panel cannot show (0x%1)"),
                        Hex(byte))));
      break;
    }
  }
  for (int item = 1; item <= 3; ++item) {
    if (!MessageHasDataItem(message.text, item)) continue;
    const TQMTag& tag = item == 1 ? message.data1 : item == 2 ? message.data2 : message.data3;
    problems.Add(where, CheckDataItemWidth(message.text, item, tag.valueType));
  }
  size_t points =
      std::count(message.text.begin(), message.text.end(), static_cast<char>(kMarkerDecimalPoint));
  // Where the position stands is what the panel needs; clearing the addresses (a change of PLC) leaves
  // the position without its option, which the panel shows as a plain item.
  if (points > 1 || (points == 1 && PlaceDecimalPoint(message.text) != message.text)) {
    problems.Add(where,
                 Violation(Rule::DecimalPoint,
                           translate("Core", "The decimal point position must follow data item 1, once")));
  }
}

void CheckDataItemOne(ProblemList& problems, const std::string& where, const TQMPanel& panel,
                      const TQMMessage& message) {
  if (!message.HasDataItem(1) || !message.data1.limitsEnabled) return;
  const TQMReadWriteTag& data = message.data1;
  int64_t largest = panel.MaxValue(data.valueType);
  if (data.minValue < 0 || data.minValue > data.maxValue || data.maxValue > largest) {
    problems.Add(where, Violation(Rule::ValueLimits,
                                  Arg(Arg(translate("Core",
                                                    "The limits of data item 1 (%1 to %2) do not fit "
                                                    "its data type"),
                                          data.minValue),
                                      data.maxValue)));
  }
}

void CheckMessageNumbers(ProblemList& problems, const std::string& where, const TQMPanel& panel) {
  std::set<std::pair<bool, int>> seen;
  for (const TQMMessage& message : panel.messages) {
    bool plc = message.isPlcMessage != 0;
    std::string name = MessageName(where, message);
    if (!seen.insert({plc, message.number}).second) {
      problems.Add(name,
                   Violation(Rule::DuplicateNumber,
                             Arg(translate("Core", "Message number %1 is used twice"), message.number)));
    }
    if (message.number < 1 || message.number > kMaxMessagesPerPanel) {
      problems.Add(
          name, Violation(Rule::MessageNumber,
                          Arg(translate("Core", "Message number %1 is outside 1 to 256"), message.number)));
      continue;
    }
    if (panel.IsSetPointPanel()) continue;
    if (plc) {
      problems.Add(name, CheckPlcMessageNumber(panel, message.number));
      if (message.number >= panel.firstLocalNumber) {
        problems.Add(name, Violation(Rule::MessageNumber,
                                     Arg(Arg(translate("Core",
                                                       "PLC message number %1 is not below the first "
                                                       "local number %2"),
                                             message.number),
                                         panel.firstLocalNumber)));
      }
    } else if (message.number < panel.firstLocalNumber) {
      problems.Add(
          name, Violation(Rule::MessageNumber, Arg(Arg(translate("Core",
                                                                 "Local message number %1 is below the first "
                                                                 "local number %2"),
                                                       message.number),
                                                   panel.firstLocalNumber)));
    }
    if (!plc && (message.level < 0 || message.level >= std::max(1, panel.TreeDepth()))) {
      problems.Add(name, Violation(Rule::Level,
                                   Arg(translate("Core", "Menu level %1 is beyond the panel's menu depth"),
                                       message.level)));
    }
  }
}

std::string PanelName(const TQMPanel& panel) {
  return Arg(Arg(translate("Core", "Port %1 (%2)"), panel.port), panel.ModelText());
}

// A tag name is one line of the file and a text the editors show: no control characters in it.
void CheckTagName(ProblemList& problems, const std::string& where, const TQMTag& tag, const char* role) {
  for (unsigned char byte : tag.tagName) {
    if (byte < 0x20 || byte == 0x7F) {
      std::string text = Arg(Arg(translate("Core", "The tag name of %1 holds a control character (0x%2)"),
                                 translate("Core", role)),
                             Hex(byte));
      problems.Add(where, Violation(Rule::TagName, text));
      return;
    }
  }
}

// Every tag the file keeps for the panel.
void CheckTagNames(ProblemList& problems, const std::string& where, const TQMPanel& panel) {
  if (!panel.IsSetPointPanel()) {
    CheckTagName(problems, where, panel.buttonLeds.ledWord, QT_TRANSLATE_NOOP("Core", "the LED word"));
    CheckTagName(problems, where, panel.buttonLeds.buttonWord, QT_TRANSLATE_NOOP("Core", "the button word"));
    if (panel.IsKeypadPanel())
      CheckTagName(problems, where, panel.annunciatorWord, QT_TRANSLATE_NOOP("Core", "the annunciator word"));
  }
  static const char* const kLines[] = {
      QT_TRANSLATE_NOOP("Core", "the line 1 register"), QT_TRANSLATE_NOOP("Core", "the line 2 register"),
      QT_TRANSLATE_NOOP("Core", "the line 3 register"), QT_TRANSLATE_NOOP("Core", "the line 4 register")};
  for (size_t line = 0; line < panel.lineRegisters.size(); ++line)
    CheckTagName(problems, where, panel.lineRegisters[line], kLines[line]);
  CheckTagName(problems, where, panel.passwordRegister, QT_TRANSLATE_NOOP("Core", "the password register"));
  for (const TQMMessage& message : panel.messages) {
    std::string name = MessageName(where, message);
    if (message.HasDataItem(1)) {
      CheckTagName(problems, name, message.data1, QT_TRANSLATE_NOOP("Core", "data item 1"));
      if (message.data1.variableDecimal)
        CheckTagName(problems, name, message.data1.decimalPointTag,
                     QT_TRANSLATE_NOOP("Core", "the decimal point of data item 1"));
    }
    if (message.HasDataItem(2))
      CheckTagName(problems, name, message.data2, QT_TRANSLATE_NOOP("Core", "data item 2"));
    if (message.HasDataItem(3))
      CheckTagName(problems, name, message.data3, QT_TRANSLATE_NOOP("Core", "data item 3"));
  }
}

void CheckPanel(ProblemList& problems, const TQMPanel& panel) {
  std::string where = PanelName(panel);
  if (panel.panelType < kPanelQM210 || panel.panelType > kPanelQMSV) {
    problems.Add(
        where, Violation(Rule::PanelType, Arg(translate("Core", "Unknown panel type %1"), panel.panelType)));
    return;
  }
  if (static_cast<int>(panel.messages.size()) > kMaxMessagesPerPanel) {
    problems.Add(where, Violation(Rule::RoomForMessage, M001Text()));
  }
  if (panel.AddressCount() > kMaxAddressesPerPanel)
    problems.Add(where, Violation(Rule::AddressLimit, translate("Core", kT001Text)));
  CheckMessageNumbers(problems, where, panel);
  for (const TQMMessage& message : panel.messages) {
    std::string name = MessageName(where, message);
    CheckMessageText(problems, name, panel, message);
    CheckDataItemOne(problems, name, panel, message);
  }
  CheckTagNames(problems, where, panel);
}

}  // namespace

RuleCheck CheckRoomForMessage(const TQMPanel& panel) {
  if (static_cast<int>(panel.messages.size()) < kMaxMessagesPerPanel) return std::nullopt;
  return Violation(Rule::RoomForMessage, M001Text());
}

RuleCheck CheckPlcMessageNumber(const TQMPanel& panel, int number) {
  if (number <= kMaxMessagesPerPanel - panel.LocalMessageCount()) return std::nullopt;
  return Violation(Rule::PlcMessageNumber, translate("Core", kM003Text));
}

RuleCheck CheckAddressLimit(const TQMPanel& panel, const TQMMessage& message) {
  int count = panel.AddressCount() + message.AddressCount();
  if (panel.IsKeypadPanel() && message.data1.passwordProtected && !message.data1.useLocalPassword &&
      !panel.UsesPlcPassword())
    ++count;
  if (count <= kMaxAddressesPerPanel) return std::nullopt;
  return Violation(Rule::AddressLimit, translate("Core", kT001Text));
}

RuleCheck CheckDataItemWidth(std::string_view text, int item, int valueType) {
  int limit = ValueTypeMaxPositions(valueType);
  if (DataItemWidth(text, item) <= limit) return std::nullopt;
  return Violation(
      Rule::DataItemWidth,
      Arg(Arg(translate("Core", "Maximum %1  \"DATA SET %2\" can be defined with selected data type"), limit),
          item));
}

int NextPlcMessageNumber(const TQMPanel& panel, int selectedNumber) {
  auto taken = [&panel](int number) {
    return std::any_of(panel.messages.begin(), panel.messages.end(),
                       [number](const TQMMessage& m) { return m.isPlcMessage != 0 && m.number == number; });
  };
  int base = selectedNumber;
  if (base <= 0) {
    for (const TQMMessage& message : panel.messages) {
      if (message.isPlcMessage != 0) base = message.number;
    }
    if (base <= 0) return 1;
  }
  int number = base + 1;
  while (taken(number))
    ++number;
  return number;
}

bool IsShowableByte(unsigned char byte, bool dataAllowed) {
  if (byte >= 0x20 && byte <= 0x7E) return true;
  return dataAllowed && byte >= kMarkerDecimalPoint;
}

std::vector<ProjectProblem> ValidateProject(const TQMProject& project, int plcAddressSize) {
  std::vector<ProjectProblem> result;
  ProblemList problems(result);
  if (plcAddressSize > 0 && project.plcSettings.addressSize != plcAddressSize) {
    problems.Add(translate("Core", "PLC"),
                 Violation(Rule::AddressSize,
                           Arg(Arg(translate("Core", "The project's address size (%1) is not the PLC's (%2)"),
                                   project.plcSettings.addressSize),
                               plcAddressSize)));
  }
  std::set<int> ports;
  for (const auto& panel : project.panels) {
    std::string where = PanelName(*panel);
    bool portOk = project.IsMultiPanel() ? panel->port >= 1 && panel->port <= 5 : panel->port == 1;
    if (!portOk)
      problems.Add(
          where, Violation(Rule::PanelPort, Arg(translate("Core", "Port %1 is out of range"), panel->port)));
    if (!ports.insert(panel->port).second)
      problems.Add(where, Violation(Rule::PanelPort,
                                    Arg(translate("Core", "Two panels are on port %1"), panel->port)));
    bool knownType = panel->panelType >= kPanelQM210 && panel->panelType <= kPanelQMSV;
    if (knownType && project.IsMultiPanel() && panel->port >= 1 && panel->port <= 5 &&
        project.multiplexer.portType[static_cast<size_t>(panel->port - 1)] != panel->panelType) {
      problems.Add(where,
                   Violation(Rule::PanelType,
                             translate("Core", "The panel type differs from the multiplexer's port table")));
    }
    CheckPanel(problems, *panel);
  }
  return result;
}

std::string MessageProblemPlace(const TQMPanel& panel, const TQMMessage& message) {
  return MessageName(PanelName(panel), message);
}

std::vector<ProjectProblem> ValidatePanel(const TQMPanel& panel) {
  std::vector<ProjectProblem> result;
  ProblemList problems(result);
  CheckPanel(problems, panel);
  return result;
}

}  // namespace lumora
