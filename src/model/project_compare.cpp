#include "model/project_compare.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <utility>

#include "model/file_io.h"
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

std::string TagText(const TQMTag& tag, CompareScope scope) {
  std::ostringstream out;
  if (scope == CompareScope::File && !tag.tagName.empty()) out << "tag " << Quote(tag.tagName) << " ";
  if (tag.IsEmpty()) {
    out << "no address";
    // A file keeps the value type of an empty address too.
    if (scope == CompareScope::File) out << " [" << ValueTypeText(tag.valueType) << "]";
    return out.str();
  }
  out << tag.address << " [" << ValueTypeText(tag.valueType) << ", " << Hex(tag.encodedAddress) << "]";
  return out.str();
}

// A file holds an address as its text with the tag name; the panel holds what the PLC library encoded.
bool SameTag(const TQMTag& a, const TQMTag& b, CompareScope scope) {
  if (scope == CompareScope::Panel) return a.Equals(b);
  return a.address == b.address && a.tagName == b.tagName && a.valueType == b.valueType &&
         a.encodedAddress == b.encodedAddress;
}

// Walks two records side by side. Without a line list it stops at the first difference; with one it
// collects every difference. Either way `Same()` tells the outcome.
class Walker {
 public:
  explicit Walker(std::vector<std::string>* lines, CompareScope scope, DifferenceSides sides = {})
      : lines_(lines), scope_(scope), sides_(std::move(sides)) {}

  bool Same() const { return same_; }
  bool Done() const { return !same_ && !lines_; }

  void Differs(const std::string& line) {
    same_ = false;
    if (lines_) lines_->push_back(line);
  }
  template <typename T>
  void Value(const std::string& where, const std::string& field, const T& a, const T& b) {
    if (Done() || a == b) return;
    std::ostringstream out;
    out << where << field << ": " << a << " / " << b;
    Differs(out.str());
  }
  void Tag(const std::string& where, const std::string& field, const TQMTag& a, const TQMTag& b) {
    if (Done() || SameTag(a, b, scope_)) return;
    Differs(where + field + ": " + TagText(a, scope_) + " / " + TagText(b, scope_));
  }
  void Text(const std::string& where, const std::string& field, const std::string& a, const std::string& b) {
    if (!Done() && a != b) Differs(where + field + ": " + Quote(a) + " / " + Quote(b));
  }
  void ReadWriteTag(const std::string& where, const std::string& field, const TQMReadWriteTag& a,
                    const TQMReadWriteTag& b) {
    Tag(where, field, a, b);
    std::string item = field + " ";
    Value(where, item + "password protection", a.passwordProtected, b.passwordProtected);
    Value(where, item + "fixed decimals", a.fixedDecimals, b.fixedDecimals);
    Value(where, item + "limits", a.limitsEnabled, b.limitsEnabled);
    Value(where, item + "maximum", a.maxValue, b.maxValue);
    Value(where, item + "minimum", a.minValue, b.minValue);
    Value(where, item + "variable decimal point", a.variableDecimal, b.variableDecimal);
    Value(where, item + "local password", a.useLocalPassword, b.useLocalPassword);
    if (!Done() && a.accessType != b.accessType) {
      Differs(where + item + "access type: " + AccessShortText(a.accessType) + " (" +
              std::to_string(a.accessType) + ") / " + AccessShortText(b.accessType) + " (" +
              std::to_string(b.accessType) + ")");
    }
    Tag(where, item + "decimal point address", a.decimalPointTag, b.decimalPointTag);
  }

  // A mode by its text, or by its number when both codes have the same (unknown) text.
  void ModeValue(const std::string& where, const std::string& field, int32_t a, int32_t b,
                 const char* (*text)(int)) {
    if (std::string(text(a)) != text(b)) {
      Value(where, field, std::string(text(a)), std::string(text(b)));
    } else {
      Value(where, field, a, b);
    }
  }

  void Message(const std::string& where, const TQMMessage& a, const TQMMessage& b);
  void Messages(const std::string& where, const std::vector<TQMMessage>& a, const std::vector<TQMMessage>& b);
  void Panel(const TQMPanel& a, const TQMPanel& b);
  void Project(const TQMProject& a, const TQMProject& b);

 private:
  std::vector<std::string>* lines_;
  CompareScope scope_;
  DifferenceSides sides_;
  bool same_ = true;
};

void Walker::Message(const std::string& where, const TQMMessage& a, const TQMMessage& b) {
  Value(where, "number", a.number, b.number);
  Value(where, "folder", a.isFolder, b.isFolder);
  Value(where, "level", a.level, b.level);
  Value(where, "set point", a.hasSetPoint, b.hasSetPoint);
  Value(where, "PLC message", a.isPlcMessage, b.isPlcMessage);
  for (size_t i = 0; i < 3; ++i)
    Value(where, "leading zeroes " + std::to_string(i + 1), a.leadingZeros[i], b.leadingZeros[i]);
  // Every character counts: leading spaces place the text on the display. A panel fills its line with
  // spaces and gives the text back without them, so spaces at the end are a file's alone.
  if (scope_ == CompareScope::Panel) {
    auto shown = [](const std::string& text) { return text.substr(0, text.find_last_not_of(' ') + 1); };
    if (!Done() && shown(a.text) != shown(b.text)) Differs(where + "text: " + Quote(a.text) + " / " + Quote(b.text));
  } else {
    Text(where, "text", a.text, b.text);
  }
  // The data items either side stores (a file keeps an item only while its text has the marker).
  auto stored = [&](int item) {
    return a.IsSetPointPanel() || b.IsSetPointPanel() || (item == 1 && (a.hasSetPoint || b.hasSetPoint)) ||
           MessageHasDataItem(a.text, item) || MessageHasDataItem(b.text, item);
  };
  if (stored(1)) ReadWriteTag(where, "data 1", a.data1, b.data1);
  if (stored(2)) Tag(where, "data 2", a.data2, b.data2);
  if (stored(3)) Tag(where, "data 3", a.data3, b.data3);
}

std::string MessageName(const TQMMessage& message) {
  return std::string(message.isPlcMessage != 0 ? "message " : "local message ") +
         std::to_string(message.number);
}

// Messages are paired by (kind, number); the k-th of several with one key pairs with the k-th of the
// other side. When every pair is equal but the sequences differ in order, that is a difference too.
void Walker::Messages(const std::string& where, const std::vector<TQMMessage>& a,
                      const std::vector<TQMMessage>& b) {
  using Key = std::pair<bool, int32_t>;
  auto keyOf = [](const TQMMessage& m) { return Key{m.isPlcMessage != 0, m.number}; };
  std::map<Key, std::vector<size_t>> inB;
  for (size_t i = 0; i < b.size(); ++i)
    inB[keyOf(b[i])].push_back(i);
  std::map<Key, size_t> used;
  std::vector<bool> matched(b.size(), false);
  std::vector<size_t> pairedOrder;
  for (const TQMMessage& message : a) {
    if (Done()) return;
    Key key = keyOf(message);
    size_t occurrence = used[key]++;
    auto found = inB.find(key);
    if (found == inB.end() || occurrence >= found->second.size()) {
      Differs(where + MessageName(message) + ": only in the first");
      continue;
    }
    size_t index = found->second[occurrence];
    matched[index] = true;
    pairedOrder.push_back(index);
    Message(where + MessageName(message) + ", ", message, b[index]);
  }
  for (size_t i = 0; i < b.size() && !Done(); ++i) {
    if (!matched[i]) Differs(where + MessageName(b[i]) + ": only in the second");
  }
  if (Same()) {
    for (size_t i = 0; i < pairedOrder.size(); ++i) {
      if (pairedOrder[i] != i) {
        Differs(where + "message order");
        break;
      }
    }
  }
}

void Walker::Panel(const TQMPanel& a, const TQMPanel& b) {
  std::string where = "Port " + std::to_string(a.port) + " (" + a.ModelText() + "), ";
  if (a.panelType != b.panelType) {
    Differs(where + "panel type: " + a.ModelText() + " / " + b.ModelText());
    return;
  }
  Value(where, "first local number", a.firstLocalNumber, b.firstLocalNumber);
  Messages(where, a.messages, b.messages);
  Tag(where, "LED word", a.buttonLeds.ledWord, b.buttonLeds.ledWord);
  Tag(where, "button word", a.buttonLeds.buttonWord, b.buttonLeds.buttonWord);
  for (size_t i = 0; i < 5; ++i) {
    ModeValue(where, "LED " + std::to_string(i + 1) + " mode", a.buttonLeds.ledMode[i],
              b.buttonLeds.ledMode[i], LedModeText);
    ModeValue(where, "button " + std::to_string(i + 1) + " mode", a.buttonLeds.buttonMode[i],
              b.buttonLeds.buttonMode[i], ButtonModeText);
  }
  Value(where, "local password", a.localPassword, b.localPassword);
  Tag(where, "password register", a.passwordRegister, b.passwordRegister);
  Value(where, "beeper", a.beeperEnabled, b.beeperEnabled);
  Value(where, "PLC message delay", a.plcMessageDelay, b.plcMessageDelay);
  Value(where, "cursor on PLC message", a.cursorOnPlcMessage, b.cursorOnPlcMessage);
  // The panel has a register per display line; the file keeps all four.
  size_t lines = scope_ == CompareScope::File ? a.lineRegisters.size() : static_cast<size_t>(std::min(a.LineCount(), 4));
  for (size_t i = 0; i < lines; ++i)
    Tag(where, "line " + std::to_string(i + 1) + " register", a.lineRegisters[i], b.lineRegisters[i]);
  if (a.IsKeypadPanel()) Tag(where, "annunciator word", a.annunciatorWord, b.annunciatorWord);
}

void Walker::Project(const TQMProject& a, const TQMProject& b) {
  Value("", "system type", static_cast<int>(a.systemType), static_cast<int>(b.systemType));
  if (scope_ == CompareScope::File && (a.IsMultiPanel() || b.IsMultiPanel())) {
    for (size_t i = 0; i < a.multiplexer.portType.size(); ++i) {
      std::string field = "port " + std::to_string(i + 1) + " panel type";
      int32_t typeA = a.multiplexer.portType[i];
      int32_t typeB = b.multiplexer.portType[i];
      if (PanelModelText(typeA) != PanelModelText(typeB)) {
        Value("Multiplexer, ", field, PanelModelText(typeA), PanelModelText(typeB));
      } else {
        Value("Multiplexer, ", field, typeA, typeB);
      }
    }
    Value("Multiplexer, ", "selected port", a.multiplexer.selectedPort, b.multiplexer.selectedPort);
  }
  Value("PLC, ", "name", a.plcSettings.plcName, b.plcSettings.plcName);
  if (scope_ == CompareScope::File) {
    Text("PLC, ", "library", FileNamePart(a.plcSettings.libraryName), FileNamePart(b.plcSettings.libraryName));
    Value("", "tag map linked", a.tagMapLinked, b.tagMapLinked);
    if (a.tagMapLinked || b.tagMapLinked) Text("", "tag map", a.tagMapPath, b.tagMapPath);
  }
  Value("PLC, ", "address size", a.plcSettings.addressSize, b.plcSettings.addressSize);
  if (!Done() && a.plcSettings.plcAttributes != b.plcSettings.plcAttributes) {
    Differs("PLC, attributes: " + Hex(a.plcSettings.plcAttributes) + " / " +
            Hex(b.plcSettings.plcAttributes));
  }
  // Panels pair by port; a damaged file may hold several on one port: the k-th pairs with the k-th.
  auto nthOnPort = [](const TQMProject& project, int port, size_t n) -> const TQMPanel* {
    for (const auto& panel : project.panels) {
      if (panel->port == port && n-- == 0) return panel.get();
    }
    return nullptr;
  };
  std::map<int, size_t> seenInA;
  for (const auto& panel : a.panels) {
    if (Done()) return;
    const TQMPanel* counterpart = nthOnPort(b, panel->port, seenInA[panel->port]++);
    if (!counterpart) {
      Differs("Port " + std::to_string(panel->port) + " (" + panel->ModelText() + "): " + sides_.onlyInFirst);
      continue;
    }
    Panel(*panel, *counterpart);
  }
  std::map<int, size_t> seenInB;
  for (const auto& panel : b.panels) {
    if (Done()) return;
    if (!nthOnPort(a, panel->port, seenInB[panel->port]++))
      Differs("Port " + std::to_string(panel->port) + " (" + panel->ModelText() + "): " + sides_.onlyInSecond);
  }
}

}  // namespace

std::vector<std::string> DescribeDifferences(const TQMProject& onPc, const TQMProject& inPanel,
                                             const DifferenceSides& sides, CompareScope scope) {
  std::vector<std::string> lines;
  Walker walker(&lines, scope, sides);
  walker.Project(onPc, inPanel);
  return lines;
}

std::vector<std::string> DescribePanelDifferences(const TQMPanel& a, const TQMPanel& b) {
  std::vector<std::string> lines;
  Walker walker(&lines, CompareScope::File);
  walker.Panel(a, b);
  return lines;
}

bool ProjectsEqual(const TQMProject& a, const TQMProject& b, CompareScope scope) {
  Walker walker(nullptr, scope);
  walker.Project(a, b);
  return walker.Same();
}

bool PanelsEqual(const TQMPanel& a, const TQMPanel& b) {
  Walker walker(nullptr, CompareScope::File);
  walker.Panel(a, b);
  return walker.Same();
}

bool MessagesEqual(const TQMMessage& a, const TQMMessage& b) {
  Walker walker(nullptr, CompareScope::File);
  walker.Message("", a, b);
  return walker.Same();
}

bool TQMPanel::Equals(const TQMPanel& other) const {
  return PanelsEqual(*this, other);
}

bool TQMMessage::Equals(const TQMMessage& other) const {
  return MessagesEqual(*this, other);
}

}  // namespace lumora
