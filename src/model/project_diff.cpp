#include "model/project_diff.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "model/message_text.h"
#include "model/project.h"

namespace lumora {
namespace {

std::string Quote(const std::string& text) {
  return "\"" + MessageDisplayText(text) + "\"";
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char pair[4];
  for (uint8_t byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", byte);
    text += pair;
  }
  return text.empty() ? "-" : text;
}

std::string TagText(const TQMTag& tag) {
  if (tag.IsEmpty()) return "no address";
  std::ostringstream out;
  out << tag.address << " [" << ValueTypeText(tag.valueType) << ", " << Hex(tag.encodedAddress) << "]";
  return out.str();
}

class DiffCollector {
 public:
  explicit DiffCollector(std::vector<std::string>& lines) : lines_(lines) {}

  template <typename T>
  void Value(const std::string& where, const std::string& field, const T& pc, const T& panel) {
    if (pc == panel) return;
    std::ostringstream out;
    out << where << field << ": " << pc << " / " << panel;
    lines_.push_back(out.str());
  }
  void Text(const std::string& where, const std::string& field, const std::string& pc,
            const std::string& panel) {
    lines_.push_back(where + field + ": " + pc + " / " + panel);
  }
  void Tag(const std::string& where, const std::string& field, const TQMTag& pc, const TQMTag& panel) {
    if (!pc.Equals(panel)) Text(where, field, TagText(pc), TagText(panel));
  }
  void ReadWriteTag(const std::string& where, const std::string& field, const TQMReadWriteTag& pc,
                    const TQMReadWriteTag& panel) {
    Tag(where, field, pc, panel);
    std::string item = field + " ";
    Value(where, item + "password protection", pc.passwordProtected, panel.passwordProtected);
    Value(where, item + "fixed decimals", pc.fixedDecimals, panel.fixedDecimals);
    Value(where, item + "limits", pc.limitsEnabled, panel.limitsEnabled);
    Value(where, item + "maximum", pc.maxValue, panel.maxValue);
    Value(where, item + "minimum", pc.minValue, panel.minValue);
    Value(where, item + "variable decimal point", pc.variableDecimal, panel.variableDecimal);
    Value(where, item + "local password", pc.useLocalPassword, panel.useLocalPassword);
    Value(where, item + "access type", std::string(AccessShortText(pc.accessType)),
          std::string(AccessShortText(panel.accessType)));
    Tag(where, item + "decimal point address", pc.decimalPointTag, panel.decimalPointTag);
  }

 private:
  std::vector<std::string>& lines_;
};

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void CompareMessages(DiffCollector& diff, const std::string& where, const TQMMessage& pc,
                     const TQMMessage& panel) {
  diff.Value(where, "number", pc.number, panel.number);
  diff.Value(where, "folder", pc.isFolder, panel.isFolder);
  diff.Value(where, "level", pc.level, panel.level);
  diff.Value(where, "set point", pc.hasSetPoint, panel.hasSetPoint);
  diff.Value(where, "PLC message", pc.isPlcMessage, panel.isPlcMessage);
  for (int i = 0; i < 3; ++i) {
    diff.Value(where, "leading zeroes " + std::to_string(i + 1), pc.leadingZeros[static_cast<size_t>(i)],
               panel.leadingZeros[static_cast<size_t>(i)]);
  }
  if (Trim(pc.text) != Trim(panel.text)) diff.Text(where, "text", Quote(pc.text), Quote(panel.text));
  if (pc.HasDataItem(1)) diff.ReadWriteTag(where, "data 1", pc.data1, panel.data1);
  if (pc.HasDataItem(2)) diff.Tag(where, "data 2", pc.data2, panel.data2);
  if (pc.HasDataItem(3)) diff.Tag(where, "data 3", pc.data3, panel.data3);
}

void ComparePanels(DiffCollector& diff, const TQMPanel& pc, const TQMPanel& panel) {
  std::string where = "Port " + std::to_string(pc.port) + " (" + pc.ModelText() + "), ";
  if (pc.panelType != panel.panelType) {
    diff.Text(where, "panel type", pc.ModelText(), panel.ModelText());
    return;
  }
  diff.Value(where, "first local number", pc.firstLocalNumber, panel.firstLocalNumber);
  size_t common = std::min(pc.messages.size(), panel.messages.size());
  for (size_t i = 0; i < common; ++i) {
    CompareMessages(diff, where + "message " + std::to_string(pc.messages[i].number) + ", ", pc.messages[i],
                    panel.messages[i]);
  }
  diff.Value(where, "message count", pc.messages.size(), panel.messages.size());
  diff.Tag(where, "LED word", pc.buttonLeds.ledWord, panel.buttonLeds.ledWord);
  diff.Tag(where, "button word", pc.buttonLeds.buttonWord, panel.buttonLeds.buttonWord);
  for (size_t i = 0; i < 5; ++i) {
    diff.Value(where, "LED " + std::to_string(i + 1) + " mode",
               std::string(LedModeText(pc.buttonLeds.ledMode[i])),
               std::string(LedModeText(panel.buttonLeds.ledMode[i])));
    diff.Value(where, "button " + std::to_string(i + 1) + " mode",
               std::string(ButtonModeText(pc.buttonLeds.buttonMode[i])),
               std::string(ButtonModeText(panel.buttonLeds.buttonMode[i])));
  }
  diff.Value(where, "local password", pc.localPassword, panel.localPassword);
  diff.Tag(where, "password register", pc.passwordRegister, panel.passwordRegister);
  diff.Value(where, "beeper", pc.beeperEnabled, panel.beeperEnabled);
  diff.Value(where, "PLC message delay", pc.plcMessageDelay, panel.plcMessageDelay);
  diff.Value(where, "cursor on PLC message", pc.cursorOnPlcMessage, panel.cursorOnPlcMessage);
  for (int i = 0; i < std::min(pc.LineCount(), 4); ++i) {
    diff.Tag(where, "line " + std::to_string(i + 1) + " register", pc.lineRegisters[static_cast<size_t>(i)],
             panel.lineRegisters[static_cast<size_t>(i)]);
  }
  if (pc.IsKeypadPanel()) diff.Tag(where, "annunciator word", pc.annunciatorWord, panel.annunciatorWord);
}

}  // namespace

std::vector<std::string> DescribeDifferences(const TQMProject& onPc, const TQMProject& inPanel) {
  std::vector<std::string> lines;
  DiffCollector diff(lines);
  diff.Value("", "system type", onPc.systemType, inPanel.systemType);
  diff.Value("PLC, ", "name", onPc.plcSettings.plcName, inPanel.plcSettings.plcName);
  diff.Value("PLC, ", "address size", onPc.plcSettings.addressSize, inPanel.plcSettings.addressSize);
  if (onPc.plcSettings.plcAttributes != inPanel.plcSettings.plcAttributes) {
    diff.Text("PLC, ", "attributes", Hex(onPc.plcSettings.plcAttributes),
              Hex(inPanel.plcSettings.plcAttributes));
  }
  for (const auto& panel : onPc.panels) {
    const TQMPanel* counterpart = inPanel.FindPanel(panel->port);
    if (!counterpart) {
      lines.push_back("Port " + std::to_string(panel->port) + " (" + panel->ModelText() +
                      "): not in the panel");
      continue;
    }
    ComparePanels(diff, *panel, *counterpart);
  }
  for (const auto& panel : inPanel.panels) {
    if (!onPc.FindPanel(panel->port)) {
      lines.push_back("Port " + std::to_string(panel->port) + " (" + panel->ModelText() + "): not on the PC");
    }
  }
  return lines;
}

}  // namespace lumora
