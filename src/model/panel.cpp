#include "model/panel.h"

#include <algorithm>

#include "model/translation.h"

namespace lumora {

TQMButtonLed::TQMButtonLed() {
  ledWord.valueType = kBinary16;
  buttonWord.valueType = kBinary16;
}

bool TQMButtonLed::Equals(const TQMButtonLed& other) const {
  return ledWord.Equals(other.ledWord) && buttonWord.Equals(other.buttonWord) && ledMode == other.ledMode &&
         buttonMode == other.buttonMode;
}

void TQMButtonLed::SetProject(TQMProject* owner) {
  ledWord.SetProject(owner);
  buttonWord.SetProject(owner);
}

uint16_t PackLedModes(const std::array<int32_t, 5>& modes) {
  uint16_t word = 0;
  for (int i = 0; i < 5; ++i) {
    if (modes[static_cast<size_t>(i)] == kLedByButton) word |= static_cast<uint16_t>(1u << i);
    if (modes[static_cast<size_t>(i)] == kLedByButtonFlash)
      word |= static_cast<uint16_t>((1u << i) | (1u << (i + 5)));
  }
  return word;
}

void UnpackLedModes(uint16_t word, std::array<int32_t, 5>& modes) {
  for (int i = 0; i < 5; ++i) {
    int pair = (((word >> (i + 5)) & 1) << 1) | ((word >> i) & 1);
    switch (pair) {
      case 1:
        modes[static_cast<size_t>(i)] = kLedByButton;
        break;
      case 3:
        modes[static_cast<size_t>(i)] = kLedByButtonFlash;
        break;
      case 0:
        modes[static_cast<size_t>(i)] = kLedByPlc;
        break;
      default:
        break;  // (1,0): unchanged
    }
  }
}

TQMPanel::TQMPanel(TQMProject* owner, int type) : panelType(type), project(owner) {
  ReseatBackReferences();
  buttonLeds.ledWord.valueType = kBinary16;
  buttonLeds.buttonWord.valueType = kBinary16;
  annunciatorWord.valueType = kBinary16;
}

TQMPanel::TQMPanel(const TQMPanel& other) : project(other.project) {
  Assign(other);
}

TQMPanel& TQMPanel::operator=(const TQMPanel& other) {
  if (this != &other) Assign(other);
  return *this;
}

void TQMPanel::ReseatBackReferences() {
  for (TQMMessage& message : messages)
    message.SetOwners(project, this);
  buttonLeds.SetProject(project);
  annunciatorWord.SetProject(project);
  for (TQMTag& tag : lineRegisters)
    tag.SetProject(project);
  passwordRegister.SetProject(project);
}

void TQMPanel::Assign(const TQMPanel& other) {
  port = other.port;
  panelType = other.panelType;
  messages = other.messages;
  buttonLeds = other.buttonLeds;
  annunciatorWord = other.annunciatorWord;
  firstLocalNumber = other.firstLocalNumber;
  lineRegisters = other.lineRegisters;
  localPassword = other.localPassword;
  passwordRegister = other.passwordRegister;
  beeperEnabled = other.beeperEnabled;
  plcMessageDelay = other.plcMessageDelay;
  cursorOnPlcMessage = other.cursorOnPlcMessage;
  ReseatBackReferences();
}

void TQMPanel::AssignCompatible(const TQMPanel& other) {
  if (IsSetPointPanel() == other.IsSetPointPanel()) {
    if (IsKeypadPanel()) {
      annunciatorWord = other.annunciatorWord;
    } else {
      annunciatorWord.Reset();
    }
    buttonLeds = other.buttonLeds;
    localPassword = other.localPassword;
    messages = other.messages;
    passwordRegister = other.passwordRegister;
    firstLocalNumber = other.firstLocalNumber;
    lineRegisters = other.lineRegisters;
    beeperEnabled = other.beeperEnabled;
    plcMessageDelay = other.plcMessageDelay;
    cursorOnPlcMessage = other.cursorOnPlcMessage;
    for (int i = std::max(0, LineCount()); i < 4; ++i)
      lineRegisters[static_cast<size_t>(i)].Reset();
  } else {
    annunciatorWord.Reset();
    buttonLeds.ledMode.fill(kLedByButton);
    buttonLeds.buttonMode.fill(kButtonMomentary);
    localPassword = 0;
    messages.clear();
    passwordRegister.Reset();
    firstLocalNumber = 0;
    for (TQMTag& tag : lineRegisters)
      tag.Reset();
  }
  port = other.port;
  if (!IsKeypadPanel()) {
    for (TQMMessage& message : messages)
      message.data1.passwordProtected = false;
    localPassword = 0;
    passwordRegister.Reset();
  }
  panelType = other.panelType;
  annunciatorWord.valueType = kBinary16;
  ReseatBackReferences();
}

bool TQMPanel::HasLocalMessage() const {
  return std::any_of(messages.begin(), messages.end(),
                     [](const TQMMessage& m) { return m.isPlcMessage == 0; });
}

int TQMPanel::LocalMessageCount() const {
  return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                        [](const TQMMessage& m) { return m.isPlcMessage == 0; }));
}

void TQMPanel::ListUnconfigured(std::vector<std::string>& lines) const {
  if (HasLocalMessage()) return;
  lines.push_back(translate("Core", "The following items have not been configured:\n\n"));
  lines.push_back(translate("Core", "No Local Messages configured\n"));
}

bool TQMPanel::UsesPlcPassword() const {
  return std::any_of(messages.begin(), messages.end(), [](const TQMMessage& m) {
    return m.data1.passwordProtected && !m.data1.useLocalPassword;
  });
}

int TQMPanel::AddressCount() const {
  int count = FixedAddressCount();
  if (IsKeypadPanel() && UsesPlcPassword()) ++count;
  for (const TQMMessage& message : messages)
    count += message.AddressCount();
  return count;
}

void TQMPanel::BuildTagList(TQMTagList& list) {
  for (TQMMessage& message : messages)
    message.RegisterTags(list);
  if (IsKeypadPanel()) {
    list.Register(annunciatorWord);
  } else {
    annunciatorWord.index = kNoTagIndex;
  }
  if (!IsSetPointPanel()) {
    list.Register(buttonLeds.ledWord);
    list.Register(buttonLeds.buttonWord);
  } else {
    buttonLeds.ledWord.index = kNoTagIndex;
    buttonLeds.buttonWord.index = kNoTagIndex;
  }
  for (int i = 0; i < 4; ++i) {
    if (i < LineCount()) {
      list.Register(lineRegisters[static_cast<size_t>(i)]);
    } else {
      lineRegisters[static_cast<size_t>(i)].index = kNoTagIndex;
    }
  }
  list.Register(passwordRegister);
}

void TQMPanel::ResolveFromTagList(const TQMTagList& list) {
  for (TQMMessage& message : messages)
    message.ResolveTags(list);
  if (IsKeypadPanel()) ResolveFromList(annunciatorWord, list);
  if (!IsSetPointPanel()) {
    ResolveFromList(buttonLeds.ledWord, list);
    ResolveFromList(buttonLeds.buttonWord, list);
  }
  for (int i = 0; i < std::min(LineCount(), 4); ++i)
    ResolveFromList(lineRegisters[static_cast<size_t>(i)], list);
  ResolveFromList(passwordRegister, list);
}

void TQMPanel::ForEachTag(const std::function<void(TQMTag&)>& fn) {
  if (!IsSetPointPanel()) {
    fn(buttonLeds.ledWord);
    fn(buttonLeds.buttonWord);
    fn(annunciatorWord);
  }
  fn(lineRegisters[0]);
  fn(lineRegisters[1]);
  if (panelType == kPanelQM410) {
    fn(lineRegisters[2]);
    fn(lineRegisters[3]);
  }
  fn(passwordRegister);
  for (TQMMessage& message : messages) {
    if (message.HasDataItem(1)) {
      fn(message.data1);
      if (message.data1.variableDecimal) fn(message.data1.decimalPointTag);
    }
    if (message.HasDataItem(2)) fn(message.data2);
    if (message.HasDataItem(3)) fn(message.data3);
  }
}

TQMMessage TQMPanel::NewMessage() {
  return TQMMessage(project, this);
}

void TQMMultiplexer::SetPortFromPanel(const TQMPanel& panel) {
  if (panel.port >= 1 && panel.port <= 5) portType[static_cast<size_t>(panel.port - 1)] = panel.panelType;
}

bool TQMMultiplexer::HasPanel(int port) const {
  return port >= 1 && port <= 5 && portType[static_cast<size_t>(port - 1)] != kPanelNone;
}

void TQMMultiplexer::ClearPort(int port) {
  if (port >= 1 && port <= 5) portType[static_cast<size_t>(port - 1)] = kPanelNone;
}

int TQMMultiplexer::ConfiguredPortCount() const {
  return static_cast<int>(
      std::count_if(portType.begin(), portType.end(), [](int t) { return t != kPanelNone; }));
}

}  // namespace lumora
