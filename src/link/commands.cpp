#include "link/commands.h"

#include <algorithm>

#include "model/message_text.h"
#include "model/project.h"

namespace lumora {
namespace {

constexpr int kMaxLength = 255;

void Put16(uint8_t* packet, int offset, uint32_t value) {
  WriteBigEndian16(packet + offset, value);
}
void Put32(uint8_t* packet, int offset, uint32_t value) {
  WriteBigEndian32(packet + offset, value);
}

uint8_t FlagByte(const TQMMessage& message) {
  uint8_t flags = 0;
  if (message.data1.variableDecimal) flags |= 0x02;
  if (message.data1.accessType == kReadOnly) flags |= 0x04;
  if (message.data1.accessType == kWriteOnly) flags |= 0x08;
  for (int i = 0; i < 3; ++i) {
    if (message.leadingZeros[static_cast<size_t>(i)]) flags |= static_cast<uint8_t>(0x10 << i);
  }
  return flags;
}

uint32_t DecimalPointIndex(const TQMMessage& message) {
  return message.data1.variableDecimal ? static_cast<uint32_t>(message.data1.decimalPointTag.index) : 0xFFFF;
}

// Replaces each marker, last first, by descending codes from `top`.
void ReplaceMarkers(std::string& text, unsigned char marker, int top) {
  int code = top;
  for (size_t i = text.size(); i-- > 0;) {
    if (static_cast<unsigned char>(text[i]) == marker) text[i] = static_cast<char>(code--);
  }
}

bool IsWide(int valueType) {
  return valueType == kBcd32 || valueType == kBinary32;
}

}  // namespace

TQMXCmd::TQMXCmd(uint8_t code) {
  packet_[0] = kStartByte;
  packet_[2] = 0x10;
  packet_[3] = 0x01;
  packet_[4] = code;
}

bool TQMXCmd::BuildPacket() {
  if (!Serialize(packet_.data()) || packet_[1] < 6) return false;
  StorePacketCrc(packet_.data());
  return true;
}

bool TQMNoPayloadCmd::Serialize(uint8_t* packet) {
  packet[1] = 6;
  return true;
}

bool TQMSwitchPrtCmd::Serialize(uint8_t* packet) {
  packet[1] = 7;
  packet[5] = static_cast<uint8_t>(port_);
  return true;
}

TQMBlockCmd::TQMBlockCmd(uint8_t code, uint8_t kind, const std::vector<uint8_t>& data, uint8_t sequence,
                         int first, int end)
    : TQMXCmd(code), kind_(kind), data_(data), sequence_(sequence), first_(first), end_(end) {}

bool TQMBlockCmd::Serialize(uint8_t* packet) {
  int count = end_ - first_;
  if (count < 0 || first_ < 0 || static_cast<size_t>(end_) > data_.size() || count + 9 > kMaxLength)
    return false;
  packet[1] = static_cast<uint8_t>(count + 9);
  packet[5] = sequence_;
  packet[6] = kind_;
  packet[7] = static_cast<uint8_t>(count);
  std::copy(data_.begin() + first_, data_.begin() + end_, packet + 8);
  return true;
}

bool TQMDumpCmd::Serialize(uint8_t* packet) {
  packet[1] = 8;
  packet[5] = index_;
  packet[6] = kind_;
  return true;
}

int WireMessageNumber(int number, int splitNumber) {
  if (splitNumber != -1 && number >= splitNumber) return splitNumber - number + 256;
  return number;
}

std::array<uint8_t, 20> EncodeMessageText(const TQMMessage& message) {
  std::string text = message.text;
  if (message.isFolder != 0) text.insert(text.begin(), '+');
  int top1 = IsWide(message.data1.valueType) || message.number == 259 ? 153 : 132;
  ReplaceMarkers(text, kMarkerData1, top1);
  if (message.data1.variableDecimal) {
    size_t point = text.find(static_cast<char>(kMarkerDecimalPoint));
    if (point != std::string::npos) text[point] = static_cast<char>(top1);
  }
  ReplaceMarkers(text, kMarkerData2, IsWide(message.data2.valueType) ? 163 : 137);
  ReplaceMarkers(text, kMarkerData3, IsWide(message.data3.valueType) ? 173 : 142);
  std::array<uint8_t, 20> bytes;
  bytes.fill(' ');
  for (size_t i = 0; i < 20 && i < text.size() && text[i] != '\0'; ++i)
    bytes[i] = static_cast<uint8_t>(text[i]);
  return bytes;
}

TQMWriteMsgCmd::TQMWriteMsgCmd(const TQMMessage& message, int splitNumber, bool setPointPanel, bool blank)
    : TQMXCmd(kCmdWriteMessage),
      message_(message),
      split_(splitNumber),
      setPoint_(setPointPanel),
      blank_(blank) {}

bool TQMWriteMsgCmd::Serialize(uint8_t* packet) {
  const TQMMessage& m = message_;
  const TQMReadWriteTag& d1 = m.data1;
  if (blank_) {
    int length = setPoint_ ? 41 : 49;
    packet[1] = static_cast<uint8_t>(length);
    Put16(packet, 5, static_cast<uint32_t>(m.number));
    std::fill(packet + 7, packet + length - 1, 0xFF);
    return true;
  }
  if (setPoint_) {
    packet[1] = 41;
    Put16(packet, 5, static_cast<uint32_t>(m.number));
    std::string shown = MessageDisplayText(m.text);
    std::fill(packet + 7, packet + 23, ' ');
    for (size_t i = 0; i < 16 && i < shown.size() && shown[i] != '\0'; ++i)
      packet[7 + i] = static_cast<uint8_t>(shown[i]);
    packet[23] = 0xFF;
    packet[24] = 0x00;
    Put16(packet, 25, static_cast<uint32_t>(d1.index));
    packet[27] = d1.fixedDecimals == -1 ? 0 : static_cast<uint8_t>(d1.fixedDecimals);
    packet[28] = d1.limitsEnabled ? 1 : 0;
    Put32(packet, 29, static_cast<uint32_t>(d1.maxValue));
    Put32(packet, 33, static_cast<uint32_t>(d1.minValue));
    Put16(packet, 37, DecimalPointIndex(m));
    packet[39] = FlagByte(m);
    return true;
  }
  packet[1] = 49;
  Put16(packet, 5, static_cast<uint32_t>(WireMessageNumber(m.number, split_)));
  std::array<uint8_t, 20> text = EncodeMessageText(m);
  std::copy(text.begin(), text.end(), packet + 7);
  packet[27] = static_cast<uint8_t>(m.isFolder);
  packet[28] = static_cast<uint8_t>(m.level);
  Put16(packet, 29, static_cast<uint32_t>(d1.index));
  Put16(packet, 31, static_cast<uint32_t>(m.data2.index));
  Put16(packet, 33, static_cast<uint32_t>(m.data3.index));
  packet[35] = !d1.passwordProtected ? 0 : (d1.useLocalPassword ? 1 : 2);
  packet[36] = d1.limitsEnabled ? 1 : 0;
  Put32(packet, 37, static_cast<uint32_t>(d1.maxValue));
  Put32(packet, 41, static_cast<uint32_t>(d1.minValue));
  Put16(packet, 45, DecimalPointIndex(m));
  packet[47] = FlagByte(m);
  return true;
}

bool TQMWriteSysAttrCmd::Serialize(uint8_t* packet) {
  const TQMPanel& p = panel_;
  packet[1] = 37;
  packet[5] = 0x00;
  Put16(packet, 6, static_cast<uint32_t>(p.buttonLeds.buttonWord.index));
  Put16(packet, 8, static_cast<uint32_t>(p.buttonLeds.ledWord.index));
  Put16(packet, 10, static_cast<uint32_t>(p.annunciatorWord.index));
  uint16_t leds = PackLedModes(p.buttonLeds.ledMode);
  if (p.beeperEnabled) leds |= 0x8000;
  Put16(packet, 12, leds);
  Put16(packet, 14, static_cast<uint32_t>(p.passwordRegister.index));
  Put32(packet, 16, p.localPassword);
  for (int i = 0; i < 4; ++i)
    Put16(packet, 20 + 2 * i, static_cast<uint32_t>(p.lineRegisters[static_cast<size_t>(i)].index));
  for (int i = 0; i < 5; ++i)
    packet[28 + i] = static_cast<uint8_t>(p.buttonLeds.buttonMode[static_cast<size_t>(i)]);
  Put16(packet, 33, static_cast<uint32_t>(p.firstLocalNumber));
  packet[35] = static_cast<uint8_t>((p.plcMessageDelay ? 1 : 0) | (p.cursorOnPlcMessage ? 2 : 0));
  return true;
}

namespace {

// The attribute bytes after the header with the leading little-endian length increased by 2; empty
// when there is no length word, or when the command could not describe them with one length byte.
bool AttributeImage(const std::vector<uint8_t>& attributes, std::vector<uint8_t>& image) {
  if (attributes.size() < 34 || attributes.size() - 32 + 8 > static_cast<size_t>(kMaxLength)) return false;
  image.assign(attributes.begin() + 32, attributes.end());
  uint16_t length = static_cast<uint16_t>(ReadLittleEndian16(image.data()) + 2);
  image[0] = static_cast<uint8_t>(length & 0xFF);
  image[1] = static_cast<uint8_t>(length >> 8);
  return true;
}

}  // namespace

bool TQMWritePlcAttrCmd::Serialize(uint8_t* packet) {
  std::vector<uint8_t> image;
  if (!AttributeImage(attributes_, image)) return false;
  int n = static_cast<int>(image.size());
  packet[1] = static_cast<uint8_t>(n + 8);
  std::copy(image.begin(), image.end(), packet + 5);
  uint16_t crc = PacketCrc(packet + 5, n);
  packet[5 + n] = static_cast<uint8_t>(crc >> 8);
  packet[6 + n] = static_cast<uint8_t>(crc & 0xFF);
  return true;
}

bool TQMWrtMltPnlPlcAttrCmd::Serialize(uint8_t* packet) {
  std::vector<uint8_t> image;
  if (!AttributeImage(attributes_, image)) return false;
  int n = static_cast<int>(image.size());
  packet[1] = static_cast<uint8_t>(n + 8);
  uint16_t crc = PacketCrc(image.data(), n);
  packet[5] = image[0];
  packet[6] = image[1];
  packet[7] = static_cast<uint8_t>(crc & 0xFF);
  packet[8] = static_cast<uint8_t>(crc >> 8);
  std::copy(image.begin() + 2, image.end(), packet + 9);
  return true;
}

std::vector<uint8_t> MuxPlcAttributeStream(const std::vector<uint8_t>& attributes) {
  if (attributes.size() < 34) return {};
  std::vector<uint8_t> stream(attributes.begin() + 32, attributes.end());
  size_t k = ReadLittleEndian16(stream.data());
  uint16_t length = static_cast<uint16_t>(k + 2);
  stream[0] = static_cast<uint8_t>(length & 0xFF);
  stream[1] = static_cast<uint8_t>(length >> 8);
  if (stream.size() < k + 2) stream.resize(k + 2, 0);
  uint16_t crc = PacketCrc(stream.data(), static_cast<int>(k));
  stream[k] = static_cast<uint8_t>(crc & 0xFF);
  stream[k + 1] = static_cast<uint8_t>(crc >> 8);
  return stream;
}

}  // namespace lumora
