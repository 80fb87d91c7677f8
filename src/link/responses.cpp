#include "link/responses.h"

#include <algorithm>
#include <cstdio>

#include "link/packet.h"

namespace lumora {
namespace {

std::string Format(const char* format, int value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Replaces codes `from`..`to`; when `pointRule`, the last of several equal codes becomes the decimal point.
void DecodeRun(std::string& text, int from, int to, unsigned char marker, bool pointRule) {
  for (int code = from; code <= to; ++code) {
    size_t last = std::string::npos;
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (static_cast<unsigned char>(text[i]) == code) {
        text[i] = static_cast<char>(marker);
        last = i;
        ++count;
      }
    }
    if (pointRule && count > 1) text[last] = static_cast<char>(0xFC);
  }
}

// The smallest length byte a reply class needs to be read without running past its end.
int RequiredLength(uint8_t code, const uint8_t* packet, const TQMPanel* panel, SystemType systemType) {
  int length = packet[1];
  switch (code) {
    case kReplyStd:
      return 8;
    case kReplyStatusId:
      return length == 24 ? 24 : 17;
    case kReplyMuxPlcAttr:
    case kReplyTags:
      return length >= 8 ? 9 + packet[7] : 9;
    case kReplySysAttr:
      return 37;
    case kReplyPlcAttr: {
      if (length < 8) return 8;
      int v = ReadLittleEndian16(packet + 5);
      int start = systemType == SystemType::MultiPanel ? 9 : 7;
      return std::max(8, start + std::max(0, v - 4) + 1);
    }
    case kReplyMessage: {
      if (length >= 11 && packet[9] == 0xFF) return 11;  // an empty slot
      return panel && panel->IsSetPointPanel() ? 43 : 51;
    }
    default:
      return 6;
  }
}

}  // namespace

void TQMXResp::Decode(const uint8_t* packet, size_t) {
  std::copy(packet, packet + 5, header_);
}

TQMErrorResp::TQMErrorResp(int code) : code_(code) {
  table_ = {
      {0, "NoError"},
      {1, QT_TRANSLATE_NOOP("Core", "Error C008: Checksum error")},
      {2, QT_TRANSLATE_NOOP("Core",
                            "Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter "
                            "Setup Mode, press the up "
                            "and "
                            "down arrow keys\nsimultaneously.")},
      {3, QT_TRANSLATE_NOOP("Core", "Error C010: Invalid Message Code")},
      {4, QT_TRANSLATE_NOOP("Core", "Error C011: Start Load Not Requested")},
      {5, QT_TRANSLATE_NOOP("Core", "Error C012: Start Dump Not Requested")},
      {6, QT_TRANSLATE_NOOP("Core", "Error C013: Insufficient space in Text Panel")},
      {7, QT_TRANSLATE_NOOP("Core", "Error C014: Invalid Message Number")},
      {8, QT_TRANSLATE_NOOP("Core", "Error C015: Invalid Message Length")},
      {9, QT_TRANSLATE_NOOP(
              "Core", "Error C016: The firmware being loaded into the panel does not match the panel type")},
      {10, QT_TRANSLATE_NOOP("Core", "Error C017: E2 Memory failed to program correctly")},
      {11, QT_TRANSLATE_NOOP("Core", "Error C018: Invalid Load Format")},
      {12, QT_TRANSLATE_NOOP("Core", "Error C019: Invalid LED control")},
      {13, QT_TRANSLATE_NOOP("Core", "Error C020: Option Not included")},
      {14, QT_TRANSLATE_NOOP("Core", "Error C021: Memory is Read Only")},
      {21, QT_TRANSLATE_NOOP("Core", "Error C022: Invalid with Random PLC loaded")},
      {22, QT_TRANSLATE_NOOP("Core", "Error C023: Invalid with Random/standard format")},
      {24, QT_TRANSLATE_NOOP("Core", "Error C024: Invalid Byte in the data fields of Command")},
      {25, QT_TRANSLATE_NOOP("Core", "Error C007: Invalid Length in Reply")},
  };
}

std::string TQMErrorResp::GetErrorText() const {
  auto it = table_.find(code_);
  return translate("Core", it == table_.end() ? kUnknownErrorText : it->second.c_str());
}

std::string TQMErrorResp::TextFor(int code) {
  return TQMErrorResp(code).GetErrorText();
}

std::string TQMErrorResp::EnglishTextFor(int code) {
  TQMErrorResp response(code);
  auto it = response.table_.find(code);
  return it == response.table_.end() ? kUnknownErrorText : it->second;
}

void TQMStdResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  status_ = packet[5];
  error_ = packet[6];
}

std::string TQMStdResp::GetErrorText() const {
  return TQMErrorResp(error_).GetErrorText();
}

std::string TQMStatusResp::GetFirmwareText() const {
  char text[32];
  std::snprintf(text, sizeof text, "%c.%d", revisionLetter_, revisionNumber_);
  return text;
}

std::string TQMStatusResp::GetDriverVersionText() const {
  char text[4] = {static_cast<char>(driverVersion_), 0};
  return text;
}

void TQMStatusIdResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  family_ = packet[5];
  model_[0] = packet[6];
  model_[1] = packet[7];
  model_[2] = packet[8];
  revisionLetter_ = packet[9];
  revisionNumber_ = packet[10];
  memory_ = packet[11];
  manufacturerId_ = packet[12];
  modelId_ = packet[13];
  driverVersion_ = packet[14];
  reserved_ = packet[15];
}

int TQMStatusIdResp::GetPanelModel() const {
  if (family_ == '7') return kPanelQMSV;
  if (family_ != '3') return kPanelNone;
  uint8_t a = model_[0], b = model_[1], c = model_[2];
  if (a == 1) return kPanelQM410;
  if (a == 3) return kPanelQM210G;
  if (a != 0) return kPanelQMSV;
  if (b == 11) return kPanelQM210K;
  if (b == 8) return c == 3 ? kPanelQM210G : kPanelQM210;
  return kPanelQM410;
}

std::string TQMStatusIdResp::GetMemoryText() const {
  return Format("%4d KB", memory_);
}

void TQMMuxStatusIdResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  family_ = packet[5];
  bytes_[0] = packet[6];
  bytes_[1] = packet[7];
  revisionLetter_ = packet[8];
  revisionNumber_ = packet[9];
  kept_ = ReadLittleEndian32(packet + 10);
  memoryBytes_ = ReadLittleEndian32(packet + 14);
  manufacturerId_ = packet[18];
  modelId_ = packet[19];
  driverVersion_ = packet[20];
}

int TQMMuxStatusIdResp::GetPanelModel() const {
  return family_ == '4' ? kPanelMultiplexer : kPanelNone;
}

std::string TQMMuxStatusIdResp::GetMemoryText() const {
  char text[32];
  std::snprintf(text, sizeof text, "%4d Bytes", static_cast<int>(memoryBytes_));
  return text;
}

void TQMBlockResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  flags_ = packet[6];
  size_t count = packet[7];
  data_.assign(packet + 8, packet + 8 + std::min(count, size > 10 ? size - 10 : 0));
}

void TQMSysAttrResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  std::copy(packet, packet + sizeof bytes_, bytes_);
  firstLocalNumber_ = ReadBigEndian16(packet + 33);
}

void TQMSysAttrResp::ApplyTo(TQMPanel& panel) const {
  const uint8_t* p = bytes_;
  panel.buttonLeds.buttonWord.index = ReadBigEndian16(p + 6);
  panel.buttonLeds.ledWord.index = ReadBigEndian16(p + 8);
  panel.annunciatorWord.index = ReadBigEndian16(p + 10);
  uint16_t leds = ReadBigEndian16(p + 12);
  UnpackLedModes(leds, panel.buttonLeds.ledMode);
  panel.beeperEnabled = (leds & 0x8000) != 0;
  panel.passwordRegister.index = ReadBigEndian16(p + 14);
  panel.localPassword = ReadBigEndian32(p + 16);
  for (int i = 0; i < 4; ++i) {
    uint16_t index = ReadBigEndian16(p + 20 + 2 * i);
    if (index == 0xFFFF) break;
    panel.lineRegisters[static_cast<size_t>(i)].index = index;
  }
  for (int i = 0; i < 5; ++i)
    panel.buttonLeds.buttonMode[static_cast<size_t>(i)] = p[28 + i];
  panel.firstLocalNumber = ReadBigEndian16(p + 33);
  panel.plcMessageDelay = (p[35] & 0x01) != 0;
  panel.cursorOnPlcMessage = (p[35] & 0x02) != 0;
}

void TQMPlcAttrResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  int v = ReadLittleEndian16(packet + 5);
  int length = v - 2;
  data_ = {static_cast<uint8_t>(length & 0xFF), static_cast<uint8_t>((length >> 8) & 0xFF)};
  int count = v - 4;
  if (count > 0) {
    const uint8_t* from = packet + (systemType_ == SystemType::MultiPanel ? 9 : 7);
    data_.insert(data_.end(), from, from + count);
  }
}

TQMMsgResp::TQMMsgResp(TQMPanel* panel) : panel_(panel), message_(panel ? panel->project : nullptr, panel) {}

std::string DecodeMessageText(const uint8_t* bytes, bool isFolder) {
  std::string text(reinterpret_cast<const char*>(bytes), 20);
  DecodeRun(text, 128, 132, 0xFF, true);
  DecodeRun(text, 133, 137, 0xFE, false);
  DecodeRun(text, 138, 142, 0xFD, false);
  DecodeRun(text, 144, 153, 0xFF, true);
  DecodeRun(text, 154, 163, 0xFE, false);
  DecodeRun(text, 164, 173, 0xFD, false);
  if (isFolder && !text.empty()) text.erase(0, 1);
  size_t end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

void TQMMsgResp::Decode(const uint8_t* packet, size_t size) {
  TQMXResp::Decode(packet, size);
  if (packet[9] == 0xFF) return;  // an empty slot: number stays 0
  empty_ = false;
  TQMMessage& m = message_;
  TQMReadWriteTag& d1 = m.data1;
  m.number = ReadBigEndian16(packet + 7);
  if (panel_ && panel_->IsSetPointPanel()) {
    std::string text(reinterpret_cast<const char*>(packet + 9), 16);
    size_t end = text.find_last_not_of(' ');
    m.text = text.substr(0, end == std::string::npos ? 0 : end + 1);
    d1.index = ReadBigEndian16(packet + 27);
    d1.fixedDecimals = packet[29] == 0 ? -1 : static_cast<int16_t>(packet[29]);
    d1.limitsEnabled = packet[30] == 1;
    d1.maxValue = static_cast<int32_t>(ReadBigEndian32(packet + 31));
    d1.minValue = static_cast<int32_t>(ReadBigEndian32(packet + 35));
    uint8_t flags = packet[41];
    d1.variableDecimal = (flags & 0x02) != 0;
    if (d1.variableDecimal) d1.decimalPointTag.index = ReadBigEndian16(packet + 39);
    int access = (flags >> 2) & 0x03;
    if (access != 3) d1.accessType = access;
    // The write sends the leading-zero bits in the same flag byte; reading them back lets a set-point
    // project verify as the same.
    for (int i = 0; i < 3; ++i)
      m.leadingZeros[static_cast<size_t>(i)] = (flags & (0x10 << i)) != 0;
    m.isFolder = 0;
    m.level = 0;
    m.isPlcMessage = 1;
    m.hasSetPoint = true;
    return;
  }
  m.isFolder = packet[29];
  m.level = static_cast<int16_t>(static_cast<int8_t>(packet[30]));
  m.text = DecodeMessageText(packet + 9, m.isFolder != 0);
  d1.index = ReadBigEndian16(packet + 31);
  m.data2.index = ReadBigEndian16(packet + 33);
  m.data3.index = ReadBigEndian16(packet + 35);
  uint8_t passwordMode = packet[37];
  d1.passwordProtected = passwordMode != 0;
  if (passwordMode != 0) d1.useLocalPassword = passwordMode == 1;
  d1.fixedDecimals = -1;
  d1.limitsEnabled = packet[38] == 1;
  d1.maxValue = static_cast<int32_t>(ReadBigEndian32(packet + 39));
  d1.minValue = static_cast<int32_t>(ReadBigEndian32(packet + 43));
  uint8_t flags = packet[49];
  d1.variableDecimal = (flags & 0x02) != 0;
  if (d1.variableDecimal) d1.decimalPointTag.index = ReadBigEndian16(packet + 47);
  d1.accessType = (flags >> 2) & 0x03;
  for (int i = 0; i < 3; ++i)
    m.leadingZeros[static_cast<size_t>(i)] = (flags & (0x10 << i)) != 0;
}

std::unique_ptr<TQMXResp> MakeResponse(const uint8_t* packet, int linkError, TQMProject* project) {
  if (!packet) return std::make_unique<TQMErrorResp>(linkError);
  uint8_t code = packet[4];
  size_t size = static_cast<size_t>(packet[1]) + 1;
  TQMPanel* panel = project ? project->CurrentPanel() : nullptr;
  SystemType systemType = project ? project->systemType : SystemType::SinglePanel;
  if (packet[1] < RequiredLength(code, packet, panel, systemType)) {
    // Too short for its class: never decode stale bytes.
    return std::make_unique<TQMErrorResp>(kLinkBadLength);
  }
  std::unique_ptr<TQMXResp> response;
  switch (code) {
    case kReplyStd:
      response = std::make_unique<TQMStdResp>();
      break;
    case kReplyStatusId:
      if (packet[1] == 24) {
        response = std::make_unique<TQMMuxStatusIdResp>();
      } else {
        response = std::make_unique<TQMStatusIdResp>();
      }
      break;
    case kReplyMuxPlcAttr:
      response = std::make_unique<TQMMuxPlcAttrResp>();
      break;
    case kReplyMessage:
      response = std::make_unique<TQMMsgResp>(panel);
      break;
    case kReplyTags:
      response = std::make_unique<TQMTagResp>();
      break;
    case kReplySysAttr:
      response = std::make_unique<TQMSysAttrResp>();
      break;
    case kReplyPlcAttr:
      response = std::make_unique<TQMPlcAttrResp>(systemType);
      break;
    default:
      return nullptr;
  }
  response->Decode(packet, size);
  return response;
}

bool IsGoodStdResponse(const TQMXResp* response, std::string& failure) {
  return ExpectResponse<TQMStdResp>(const_cast<TQMXResp*>(response), failure) != nullptr;
}

}  // namespace lumora
