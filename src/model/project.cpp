#include "model/project.h"

#include <algorithm>
#include <cstdio>

#include "model/file_io.h"
#include "model/interaction.h"
#include "model/message_text.h"
#include "model/text_lines.h"

namespace lumora {
namespace {

// Loading stops without a message of its own (the document then shows Z002).
struct LoadRejected {};

// Beyond these a file cannot be a project: no panel holds more messages, no PLC more attribute bytes.
constexpr int kMaxMessagesInFile = 512;
constexpr int kMaxAttributeBytesInFile = 65536 + 32;

std::string Format(const char* format, int a, int b) {
  char text[512];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

std::string TrimSpaces(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// Runs `read` on a text buffer and removes the lines it consumed from the front.
template <typename Fn>
void ConsumeLines(std::string& text, Fn read) {
  LineReader reader(text);
  read(reader);
  text.erase(0, std::min(reader.Position(), text.size()));
}

}  // namespace

Interaction& CoreServices::Ui() const {
  static SilentInteraction silent;
  return interaction ? *interaction : silent;
}

// ---------------------------------------------------------------------------------------------- tags

void TQMTag::Reset() {
  valueType = kBcd16;
  address.clear();
  tagName.clear();
  encodedAddress.clear();
  addressAccess = 0;
}

void TQMTag::SaveTagLines(LineWriter& file) const {
  file.Line("not used");
  file.Int(valueType);
  file.Line(address + "\t" + tagName);
}

void TQMTag::LoadTagLines(LineReader& file) {
  file.Line();  // "not used"
  std::string typeLine = file.Line();
  int type = ParseLenientInt(typeLine);
  if (type < 0 || type > 3) {
    std::string text =
        "Error Z006: Unknown value type (%1) encountered while loading project. Known values are 0(BCD) and "
        "1 (Binary)";
    text.replace(text.find("%1"), 2, std::to_string(type));
    throw TQMException(text);
  }
  valueType = type;
  std::string entry = file.Line();
  size_t tab = entry.find('\t');
  if (tab == std::string::npos) {
    address = entry;
  } else {
    address = entry.substr(0, tab);
    tagName = entry.substr(tab + 1);
  }
}

void TQMTag::Save(LineWriter& file) const {
  SaveTagLines(file);
}
void TQMTag::Load(LineReader& file) {
  LoadTagLines(file);
}

void TQMTag::AppendTo(std::string& text) const {
  LineWriter writer("\n");
  Save(writer);
  text += writer.Text();
}

void TQMTag::LoadFrom(std::string& text) {
  ConsumeLines(text, [this](LineReader& reader) { Load(reader); });
}

bool TQMTag::Equals(const TQMTag& other) const {
  if (IsEmpty() && other.IsEmpty()) return true;
  if (valueType != other.valueType) return false;
  // Bytes past both encodings count as zero in both, so comparing more of them cannot differ (and a
  // damaged address size must not make this a long loop).
  size_t count = std::max(encodedAddress.size(), other.encodedAddress.size());
  if (project && project->plcSettings.addressSize > 0) {
    count = std::min(count, static_cast<size_t>(project->plcSettings.addressSize));
  }
  for (size_t i = 0; i < count; ++i) {
    uint8_t mine = i < encodedAddress.size() ? encodedAddress[i] : 0;
    uint8_t theirs = i < other.encodedAddress.size() ? other.encodedAddress[i] : 0;
    if (mine != theirs) return false;
  }
  return true;
}

void TQMTag::SetEntry(std::string_view entry) {
  size_t tab = entry.find('\t');
  if (tab == std::string_view::npos) {
    address = std::string(entry);
    tagName.clear();
  } else {
    tagName = std::string(entry.substr(0, tab));
    address = std::string(entry.substr(tab + 1));
  }
}

std::string TQMTag::Entry() const {
  return tagName.empty() ? address : tagName + "\t" + address;
}

TQMReadWriteTag::TQMReadWriteTag(TQMProject* owner, int32_t defaultMaximum)
    : TQMTag(owner), decimalPointTag(owner), defaultMax(defaultMaximum) {
  Reset();
}

void TQMReadWriteTag::Reset() {
  passwordProtected = false;
  fixedDecimals = -1;
  limitsEnabled = false;
  maxValue = defaultMax;
  minValue = 0;
  variableDecimal = false;
  useLocalPassword = true;
  decimalPointTag.Reset();
  accessType = kReadWrite;
  TQMTag::Reset();
}

void TQMReadWriteTag::SetProject(TQMProject* owner) {
  TQMTag::SetProject(owner);
  decimalPointTag.SetProject(owner);
}

void TQMReadWriteTag::Save(LineWriter& file) const {
  file.Bool(passwordProtected);
  if (passwordProtected) file.Bool(useLocalPassword);
  file.Bool(variableDecimal);
  if (variableDecimal) {
    decimalPointTag.Save(file);
  } else {
    file.Int(fixedDecimals);
  }
  file.Bool(limitsEnabled);
  if (limitsEnabled) {
    file.Int(maxValue);
    file.Int(minValue);
  }
  file.Int(accessType);
  SaveTagLines(file);
}

void TQMReadWriteTag::Load(LineReader& file) {
  passwordProtected = file.BoolNonZero();
  if (passwordProtected) useLocalPassword = file.BoolNonZero();
  variableDecimal = file.BoolNonZero();
  if (variableDecimal) {
    decimalPointTag.Load(file);
  } else {
    fixedDecimals = static_cast<int16_t>(file.Int());
  }
  limitsEnabled = file.BoolNonZero();
  if (limitsEnabled) {
    maxValue = file.Int();
    minValue = file.Int();
  }
  int access = file.Int();
  if (access < 0 || access > 2) {
    CoreServices services;
    if (project) services = project->services;
    services.Ui().ShowMessage("Error T007: Unknown access type specified for PLC Address.", "",
                              MessageIcon::Error);
    throw LoadRejected{};
  }
  accessType = access;
  LoadTagLines(file);
}

void TQMReadWriteTag::AppendTo(std::string& text) const {
  LineWriter writer("\n");
  Save(writer);
  text += writer.Text();
}

void TQMReadWriteTag::LoadFrom(std::string& text) {
  ConsumeLines(text, [this](LineReader& reader) { Load(reader); });
}

bool TQMReadWriteTag::Equals(const TQMReadWriteTag& other) const {
  return TQMTag::Equals(other) && passwordProtected == other.passwordProtected &&
         fixedDecimals == other.fixedDecimals && limitsEnabled == other.limitsEnabled &&
         maxValue == other.maxValue && minValue == other.minValue &&
         variableDecimal == other.variableDecimal && useLocalPassword == other.useLocalPassword &&
         accessType == other.accessType && decimalPointTag.Equals(other.decimalPointTag);
}

void TQMTagList::Register(TQMTag& tag) {
  if (tag.IsEmpty()) {
    tag.index = kNoTagIndex;
    return;
  }
  tag.index = static_cast<int>(tags.size()) + 1;
  tags.push_back(tag);
}

// ------------------------------------------------------------------------------------- buttons/LEDs

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

// ------------------------------------------------------------------------------------------ messages

TQMMessage::TQMMessage(TQMProject* owner, TQMPanel* ownerPanel)
    : data1(owner), data2(owner), data3(owner), panel(ownerPanel) {}

void TQMMessage::SetOwners(TQMProject* owner, TQMPanel* ownerPanel) {
  panel = ownerPanel;
  data1.SetProject(owner);
  data2.SetProject(owner);
  data3.SetProject(owner);
}

bool TQMMessage::IsSetPointPanel() const {
  return panel && panel->IsSetPointPanel();
}

bool TQMMessage::HasDataItem(int item) const {
  if (item == 1 && IsSetPointPanel() && hasSetPoint) return true;
  return MessageHasDataItem(text, item);
}

bool TQMMessage::Equals(const TQMMessage& other) const {
  if (number != other.number || isFolder != other.isFolder || level != other.level ||
      hasSetPoint != other.hasSetPoint || isPlcMessage != other.isPlcMessage ||
      leadingZeros != other.leadingZeros)
    return false;
  if (TrimSpaces(text) != TrimSpaces(other.text)) return false;
  if (HasDataItem(1) && !data1.Equals(other.data1)) return false;
  if (HasDataItem(2) && !data2.Equals(other.data2)) return false;
  if (HasDataItem(3) && !data3.Equals(other.data3)) return false;
  return true;
}

void TQMMessage::WriteLines(LineWriter& file, bool withLeadingZeros) const {
  file.Int(number);
  file.Line(text);
  file.Int(isPlcMessage);
  if (isPlcMessage == 0) {
    file.Int(isFolder);
    file.Int(level);
  }
  bool setPoint = IsSetPointPanel();
  if (setPoint || MessageHasDataItem(text, 1)) {
    if (setPoint) file.Bool(hasSetPoint);
    data1.Save(file);
  }
  if (MessageHasDataItem(text, 2)) data2.Save(file);
  if (MessageHasDataItem(text, 3)) data3.Save(file);
  if (withLeadingZeros) {
    for (bool zero : leadingZeros)
      file.Bool(zero);
  }
}

void TQMMessage::ReadLines(LineReader& file, bool withLeadingZeros) {
  number = file.Int();
  text = file.Line();
  isPlcMessage = file.Int();
  if (isPlcMessage == 0) {
    isFolder = file.Int();
    level = static_cast<int16_t>(file.Int());
  }
  bool setPoint = IsSetPointPanel();
  if (setPoint || MessageHasDataItem(text, 1)) {
    if (setPoint) hasSetPoint = file.BoolExactlyOne();
    data1.Load(file);
  }
  if (MessageHasDataItem(text, 2)) data2.Load(file);
  if (MessageHasDataItem(text, 3)) data3.Load(file);
  if (withLeadingZeros) {
    for (bool& zero : leadingZeros)
      zero = file.BoolExactlyOne();
  }
}

void TQMMessage::Save(LineWriter& file) const {
  WriteLines(file, true);
}
void TQMMessage::Load(LineReader& file, int formatVersion) {
  ReadLines(file, formatVersion >= 1);
}

void TQMMessage::AppendTo(std::string& text) const {
  LineWriter writer("\n");
  WriteLines(writer, true);
  text += writer.Text();
}

void TQMMessage::LoadFrom(std::string& text) {
  ConsumeLines(text, [this](LineReader& reader) { ReadLines(reader, true); });
}

void TQMMessage::ResetDataItems() {
  data1.Reset();
  data2.Reset();
  data3.Reset();
}

int TQMMessage::AddressCount() const {
  int count = 0;
  if (HasDataItem(1)) count += data1.variableDecimal ? 2 : 1;
  if (HasDataItem(2)) ++count;
  if (HasDataItem(3)) ++count;
  return count;
}

void TQMMessage::RegisterTags(TQMTagList& list) {
  // An absent item must not carry an index left from an earlier transfer.
  if (HasDataItem(1)) {
    list.Register(data1);
    if (data1.variableDecimal) {
      list.Register(data1.decimalPointTag);
    } else {
      data1.decimalPointTag.index = kNoTagIndex;
    }
  } else {
    data1.index = kNoTagIndex;
    data1.decimalPointTag.index = kNoTagIndex;
  }
  if (HasDataItem(2)) {
    list.Register(data2);
  } else {
    data2.index = kNoTagIndex;
  }
  if (HasDataItem(3)) {
    list.Register(data3);
  } else {
    data3.index = kNoTagIndex;
  }
}

namespace {

void ResolveOne(TQMTag& tag, const TQMTagList& list) {
  if (tag.index < 1 || static_cast<size_t>(tag.index) > list.size()) return;
  const TQMTag& entry = list[static_cast<size_t>(tag.index) - 1];
  tag.valueType = entry.valueType;
  tag.address = entry.address;
  tag.tagName = entry.tagName;
  tag.encodedAddress = entry.encodedAddress;
  tag.addressAccess = entry.addressAccess;
}

}  // namespace

void TQMMessage::ResolveTags(const TQMTagList& list) {
  ResolveOne(data1, list);
  ResolveOne(data1.decimalPointTag, list);
  ResolveOne(data2, list);
  ResolveOne(data3, list);
}

// -------------------------------------------------------------------------------------------- panels

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
  lines.push_back("The following items have not been configured:\n\n");
  lines.push_back("No Local Messages configured\n");
}

int TQMPanel::AddressCount() const {
  int count = FixedAddressCount();
  if (IsKeypadPanel()) {
    bool plcPassword = std::any_of(messages.begin(), messages.end(), [](const TQMMessage& m) {
      return m.data1.passwordProtected && !m.data1.useLocalPassword;
    });
    if (plcPassword) ++count;
  }
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
  if (IsKeypadPanel()) ResolveOne(annunciatorWord, list);
  if (!IsSetPointPanel()) {
    ResolveOne(buttonLeds.ledWord, list);
    ResolveOne(buttonLeds.buttonWord, list);
  }
  for (int i = 0; i < std::min(LineCount(), 4); ++i)
    ResolveOne(lineRegisters[static_cast<size_t>(i)], list);
  ResolveOne(passwordRegister, list);
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

bool TQMPanel::Equals(const TQMPanel& other) const {
  if (panelType != other.panelType || firstLocalNumber != other.firstLocalNumber ||
      messages.size() != other.messages.size())
    return false;
  for (size_t i = 0; i < messages.size(); ++i) {
    if (!messages[i].Equals(other.messages[i])) return false;
  }
  if (!buttonLeds.Equals(other.buttonLeds) || localPassword != other.localPassword ||
      !passwordRegister.Equals(other.passwordRegister) || beeperEnabled != other.beeperEnabled ||
      plcMessageDelay != other.plcMessageDelay || cursorOnPlcMessage != other.cursorOnPlcMessage)
    return false;
  for (int i = 0; i < std::min(LineCount(), 4); ++i) {
    if (!lineRegisters[static_cast<size_t>(i)].Equals(other.lineRegisters[static_cast<size_t>(i)]))
      return false;
  }
  if (IsKeypadPanel() && !annunciatorWord.Equals(other.annunciatorWord)) return false;
  return true;
}

void TQMPanel::Save(LineWriter& file) const {
  file.Int(panelType);
  file.Int(port);
  file.Bool(beeperEnabled);
  file.Int(firstLocalNumber);
  file.Int(static_cast<long long>(messages.size()));
  for (const TQMMessage& message : messages)
    message.Save(file);
  if (!IsSetPointPanel()) {
    for (size_t i = 0; i < 5; ++i) {
      file.Int(buttonLeds.ledMode[i]);
      file.Int(buttonLeds.buttonMode[i]);
    }
    buttonLeds.ledWord.Save(file);
    buttonLeds.buttonWord.Save(file);
    if (IsKeypadPanel()) annunciatorWord.Save(file);
  }
  for (const TQMTag& tag : lineRegisters)
    tag.Save(file);
  passwordRegister.Save(file);
  file.Unsigned(localPassword);
  file.Bool(plcMessageDelay);
  file.Bool(cursorOnPlcMessage);
}

void TQMPanel::Load(LineReader& file, int formatVersion) {
  panelType = file.Int();
  port = file.Int();
  beeperEnabled = file.BoolExactlyOne();
  firstLocalNumber = file.Int();
  int count = file.Int();
  if (count > kMaxMessagesInFile) throw LoadRejected{};
  messages.clear();
  for (int i = 0; i < count; ++i) {
    TQMMessage message(project, this);
    message.Load(file, formatVersion);
    messages.push_back(std::move(message));
  }
  if (!IsSetPointPanel()) {
    for (size_t i = 0; i < 5; ++i) {
      buttonLeds.ledMode[i] = file.Int();
      buttonLeds.buttonMode[i] = file.Int();
    }
    buttonLeds.ledWord.Load(file);
    buttonLeds.buttonWord.Load(file);
    if (IsKeypadPanel()) annunciatorWord.Load(file);
  }
  buttonLeds.ledWord.valueType = kBinary16;
  buttonLeds.buttonWord.valueType = kBinary16;
  annunciatorWord.valueType = kBinary16;
  for (TQMTag& tag : lineRegisters)
    tag.Load(file);
  passwordRegister.Load(file);
  localPassword = file.Unsigned();
  if (formatVersion >= 1) {
    plcMessageDelay = file.BoolExactlyOne();
    cursorOnPlcMessage = file.BoolExactlyOne();
  }
}

TQMMessage TQMPanel::NewMessage() {
  return TQMMessage(project, this);
}

// -------------------------------------------------------------------------------- multiplexer, PLC

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

void TQMPlcSettings::SetHeader(int manufacturerId, int modelId) {
  plcAttributes.assign(32, 0);
  plcAttributes[0] = static_cast<uint8_t>(manufacturerId);
  plcAttributes[1] = static_cast<uint8_t>(modelId);
}

bool TQMPlcSettings::Equals(const TQMPlcSettings& other) const {
  return addressSize == other.addressSize && plcAttributes == other.plcAttributes && plcName == other.plcName;
}

void TQMPlcSettings::Save(LineWriter& file) const {
  file.Line(plcName);
  file.Line(libraryName);
  file.Int(addressSize);
  file.Int(static_cast<long long>(plcAttributes.size()));
  for (uint8_t byte : plcAttributes)
    file.Int(byte);
}

// ------------------------------------------------------------------------------------------ projects

TQMProject::TQMProject(CoreServices coreServices) : services(coreServices) {}

TQMProject::TQMProject(const TQMProject& other) : services(other.services) {
  CopyFrom(other);
}

TQMProject& TQMProject::operator=(const TQMProject& other) {
  if (this != &other) {
    services = other.services;
    CopyFrom(other);
  }
  return *this;
}

TQMProject::TQMProject(TQMProject&& other) noexcept {
  MoveFrom(other);
}

TQMProject& TQMProject::operator=(TQMProject&& other) noexcept {
  if (this != &other) MoveFrom(other);
  return *this;
}

void TQMProject::MoveFrom(TQMProject& other) noexcept {
  plcLibrary.reset();
  modified = other.modified;
  tagMapLinked = other.tagMapLinked;
  systemType = other.systemType;
  panels = std::move(other.panels);
  multiplexer = other.multiplexer;
  plcSettings = std::move(other.plcSettings);
  plcLibrary = std::move(other.plcLibrary);
  textPanelTagMap = std::move(other.textPanelTagMap);
  setPointTagMap = std::move(other.setPointTagMap);
  fileName = std::move(other.fileName);
  tagMapPath = std::move(other.tagMapPath);
  services = other.services;
  for (auto& panel : panels) {
    panel->project = this;
    panel->ReseatBackReferences();
  }
  other.panels.clear();
}

TQMProject::~TQMProject() {
  plcLibrary.reset();  // the library goes first, as it may back the records' encodings
  panels.clear();
}

void TQMProject::CopyFrom(const TQMProject& other) {
  systemType = other.systemType;
  plcSettings = other.plcSettings;
  fileName = other.fileName;
  panels.clear();
  for (const auto& source : other.panels) {
    auto panel = std::make_unique<TQMPanel>(this, source->panelType);
    panel->AssignCompatible(*source);
    panels.push_back(std::move(panel));
  }
  multiplexer = other.multiplexer;
  plcLibrary.reset();
  if (services.plc && !plcSettings.libraryName.empty()) {
    bool initialised = false;
    plcLibrary = services.plc->LoadPlcLibrary(plcSettings.libraryName, initialised);
  }
  if (other.tagMapLinked) {
    tagMapLinked = true;
    textPanelTagMap = other.textPanelTagMap;
    setPointTagMap = other.setPointTagMap;
    tagMapPath = other.tagMapPath;  // an export of the copy must still name its map
  } else {
    tagMapLinked = false;
  }
}

void TQMProject::Save(LineWriter& file) const {
  file.Line(kProjectMarkerV1);
  file.Int(systemType);
  if (systemType == 1) {
    for (int type : multiplexer.portType)
      file.Int(type);
    file.Int(multiplexer.selectedPort);
  }
  file.Int(static_cast<long long>(panels.size()));
  for (const auto& panel : panels)
    panel->Save(file);
  plcSettings.Save(file);
  file.Bool(tagMapLinked);
  if (tagMapLinked) file.Line(tagMapPath);
}

void TQMProject::SaveSelectedPanel(LineWriter& file) {
  TQMPanel* panel = CurrentPanel();
  file.Line(kProjectMarkerV1);
  file.Int(0);
  file.Int(panel ? 1 : 0);
  if (panel) {
    panel->port = 1;
    panel->Save(file);
  }
  plcSettings.Save(file);
  file.Bool(tagMapLinked);
  if (tagMapLinked) file.Line(tagMapPath);
}

bool TQMProject::Load(LineReader& file) {
  try {
    std::string marker = file.Line();
    int version;
    if (marker == kProjectMarkerV1) {
      version = 1;
    } else if (marker == kProjectMarkerV0) {
      version = 0;
      OfferBackup(file, marker);
    } else {
      return false;
    }
    file.Rewind();
    file.Line();
    return LoadBody(file, version) && (!tagMapLinked || LoadTagMap());
  } catch (const TQMException& exception) {
    services.Ui().ShowMessage(exception.Text(), "Error", MessageIcon::Error);
    return false;
  } catch (const LoadRejected&) {
    return false;
  }
}

bool TQMProject::LoadBody(LineReader& file, int version) {
  systemType = file.Int();
  if (systemType != 0 && systemType != 1) return false;
  multiplexer = TQMMultiplexer{};
  if (systemType == 1) {
    for (int32_t& type : multiplexer.portType) {
      type = file.Int();
      if (type < 0 || type > 5) return false;
    }
    multiplexer.selectedPort = file.Int();
    if (multiplexer.selectedPort < 0 || multiplexer.selectedPort > 5) return false;
  }
  int count = file.Int();
  if (systemType == 0 ? count != 1 : count != multiplexer.ConfiguredPortCount()) return false;
  panels.clear();
  for (int i = 0; i < count; ++i) {
    auto panel = std::make_unique<TQMPanel>(this, kPanelQM210);
    panel->Load(file, version);
    panels.push_back(std::move(panel));
  }

  plcSettings.plcName = file.Line();
  plcSettings.libraryName = file.Line();
  plcSettings.addressSize = file.Int();
  int byteCount = file.Int();
  if (byteCount > kMaxAttributeBytesInFile) return false;
  plcSettings.plcAttributes.clear();
  for (int i = 0; i < byteCount; ++i)
    plcSettings.plcAttributes.push_back(static_cast<uint8_t>(file.Int()));
  if (plcSettings.plcAttributes.size() < 2) return false;  // cannot name a PLC
  int manufacturer = plcSettings.plcAttributes[0];
  int model = plcSettings.plcAttributes[1];
  PlcCatalogueEntry entry;
  if (services.plc) entry = services.plc->LookupPlc(manufacturer, model);
  plcSettings.plcName = entry.name;
  plcSettings.libraryName = entry.path;
  if (plcSettings.libraryName.empty()) {
    throw TQMException(Format(
        "Error P007: PLC dll for this PLC (Manufacturer ID : %d, Model ID : %d)\nnot found in this system",
        manufacturer, model));
  }

  tagMapLinked = file.Int() == 1;
  if (tagMapLinked) tagMapPath = file.Line();
  return true;
}

void TQMProject::OfferBackup(LineReader& file, const std::string& marker) {
  Interaction& ui = services.Ui();
  Answer answer = ui.Ask(
      "Project has been created using previous version of software. Do you want to have a back copy of it?",
      "Backup Project", MessageButtons::YesNo, MessageIcon::Question, Answer::Yes);
  if (answer != Answer::Yes) return;
  FilePrompt prompt;
  prompt.filter = "Lumora Files (*.lmx)|*.lmx";
  prompt.defaultExtension = "lmx";
  prompt.overwritePrompt = true;
  std::optional<std::string> path = ui.PromptSaveFile(prompt);
  if (!path) return;
  LineWriter backup;
  backup.Line(marker);
  while (!file.AtEnd())
    backup.Line(file.Line());
  std::string error;
  if (!WriteFileAtomically(*path, backup.Text(), &error)) {
    ui.ShowMessage(*path + ": " + error, "", MessageIcon::Error);
  }
}

bool TQMProject::LoadTagMap() {
  Interaction& ui = services.Ui();
  std::string text;
  if (ReadWholeFile(tagMapPath, text)) {
    ParseTagMap(text, tagMapPath, textPanelTagMap, setPointTagMap);
    return true;
  }
  char message[1400];
  std::snprintf(message, sizeof message,
                "Error T004: Unable to open tag map file : %s\nPlease choose the map file",
                tagMapPath.c_str());
  if (ui.Ask(message, "Error", MessageButtons::OkCancel, MessageIcon::Information, Answer::Ok) !=
      Answer::Ok) {
    return false;
  }
  FilePrompt prompt;
  prompt.title = "Open Tag Map File";
  prompt.filter = "Plan & Run Map Files (*.map)|*.map|All Files (*.*)|*.*||";
  prompt.defaultExtension = "map";
  std::optional<std::string> chosen = ui.PromptOpenFile(prompt);
  if (!chosen) return false;
  tagMapPath = *chosen;
  return ReadTagMapFile(tagMapPath, textPanelTagMap, setPointTagMap, ui);
}

void TQMProject::PutPanel(const TQMPanel& panel) {
  if (systemType == 0) {
    panels.clear();
    auto copy = std::make_unique<TQMPanel>(panel);
    copy->project = this;
    copy->port = 1;
    copy->ReseatBackReferences();
    panels.push_back(std::move(copy));
  } else if (systemType == 1) {
    if (TQMPanel* existing = FindPanel(multiplexer.selectedPort)) {
      existing->Assign(panel);
      existing->port = multiplexer.selectedPort;
    } else {
      auto copy = std::make_unique<TQMPanel>(panel);
      copy->project = this;
      copy->port = multiplexer.selectedPort;
      copy->ReseatBackReferences();
      panels.push_back(std::move(copy));
    }
  }
}

void TQMProject::RemoveSelectedPanel() {
  auto it = std::find_if(panels.begin(), panels.end(),
                         [this](const auto& panel) { return panel->port == multiplexer.selectedPort; });
  if (it != panels.end()) panels.erase(it);
}

TQMPanel* TQMProject::FindPanel(int port) {
  for (auto& panel : panels) {
    if (panel->port == port) return panel.get();
  }
  return nullptr;
}

const TQMPanel* TQMProject::FindPanel(int port) const {
  for (const auto& panel : panels) {
    if (panel->port == port) return panel.get();
  }
  return nullptr;
}

TQMPanel& TQMProject::AddPanel(int panelType, int port) {
  auto panel = std::make_unique<TQMPanel>(this, panelType);
  panel->port = port;
  panels.push_back(std::move(panel));
  return *panels.back();
}

void TQMProject::ClearAllAddresses() {
  for (auto& panel : panels) {
    for (TQMMessage& message : panel->messages)
      message.ResetDataItems();
    panel->buttonLeds.ledWord.Reset();
    panel->buttonLeds.buttonWord.Reset();
    panel->buttonLeds.ledWord.valueType = kBinary16;
    panel->buttonLeds.buttonWord.valueType = kBinary16;
    if (panel->IsKeypadPanel()) panel->annunciatorWord.Reset();
    panel->annunciatorWord.valueType = kBinary16;
    for (TQMTag& tag : panel->lineRegisters)
      tag.Reset();
    panel->passwordRegister.Reset();
  }
}

void TQMProject::ForEachTag(const std::function<void(TQMTag&)>& fn) {
  for (auto& panel : panels)
    panel->ForEachTag(fn);
}

bool TQMProject::ReloadPlcLibrary(const std::string& path) {
  plcLibrary.reset();
  if (!services.plc) return false;
  bool initialised = false;
  plcLibrary = services.plc->LoadPlcLibrary(path, initialised);
  return plcLibrary && initialised;
}

bool TQMProject::Equals(const TQMProject& other) const {
  if (systemType != other.systemType || !plcSettings.Equals(other.plcSettings) ||
      panels.size() != other.panels.size())
    return false;
  for (const auto& panel : panels) {
    const TQMPanel* counterpart = other.FindPanel(panel->port);
    if (!counterpart || !panel->Equals(*counterpart)) return false;
  }
  return true;
}

const TagMapTable& TQMProject::TagMapFor(int panelType) const {
  return panelType == kPanelQMSV ? setPointTagMap : textPanelTagMap;
}

// ------------------------------------------------------------------------------------ message limits

std::string CheckRoomForMessage(const TQMPanel& panel) {
  if (static_cast<int>(panel.messages.size()) < kMaxMessagesPerPanel) return "";
  return Format(
      "Error M001: Unable to add a new Message/Folder.\n\nPossible cause: All the available %d messages have "
      "been programmed ",
      kMaxMessagesPerPanel, 0);
}

std::string CheckPlcMessageNumber(const TQMPanel& panel, int number) {
  if (number <= kMaxMessagesPerPanel - panel.LocalMessageCount()) return "";
  return "Error M003: Cannot add a message with message number greater than 256.";
}

std::string CheckAddressLimit(const TQMPanel& panel, const TQMMessage& message) {
  int count = panel.AddressCount() + message.AddressCount();
  if (panel.IsKeypadPanel() && message.data1.passwordProtected && !message.data1.useLocalPassword) {
    bool alreadyCounted = std::any_of(panel.messages.begin(), panel.messages.end(), [](const TQMMessage& m) {
      return m.data1.passwordProtected && !m.data1.useLocalPassword;
    });
    if (!alreadyCounted) ++count;
  }
  if (count <= kMaxAddressesPerPanel) return "";
  return "Error T001: PLC Address count exceeds maximum limit";
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

}  // namespace lumora
