#include "model/message_preview.h"

#include <algorithm>

#include "model/codes.h"
#include "model/message.h"
#include "model/message_text.h"

namespace lumora {
namespace {

constexpr int kSampleDigits = 4;

}  // namespace

std::string DataItemSample(int item, int width, int decimals, bool leadingZeros) {
  if (width <= 0) return {};
  decimals = std::max(decimals, 0);
  int room = decimals > 0 ? width - 1 : width;
  int count = std::max(std::min(room, kSampleDigits), decimals > 0 ? decimals + 1 : 1);
  std::string digits;
  for (int i = 0; i < count; ++i) digits.push_back(static_cast<char>('0' + (item + i) % 10));
  // At least one digit stands in front of a fixed point.
  std::string value = digits;
  if (decimals > 0) value.insert(value.size() - static_cast<size_t>(decimals), 1, '.');
  if (static_cast<int>(value.size()) >= width) return value.substr(value.size() - static_cast<size_t>(width));
  return std::string(static_cast<size_t>(width) - value.size(), leadingZeros ? '0' : ' ') + value;
}

std::string MessagePreviewLine(const TQMMessage& message, int panelType) {
  const std::string& text = message.text;
  std::string samples[3];
  size_t next[3] = {0, 0, 0};
  for (int item = 1; item <= 3; ++item) {
    int decimals = 0;
    if (item == 1 && !message.data1.variableDecimal) decimals = message.data1.fixedDecimals;
    samples[item - 1] = DataItemSample(item, DataItemWidth(text, item), decimals,
                                       message.leadingZeros[static_cast<size_t>(item - 1)]);
  }
  std::string line;
  if (message.isFolder) line.push_back('+');
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    int item = byte == kMarkerData1 ? 1 : byte == kMarkerData2 ? 2 : byte == kMarkerData3 ? 3 : 0;
    if (item != 0) {
      line.push_back(samples[item - 1][next[item - 1]++]);
    } else if (byte == kMarkerDecimalPoint) {
      line.push_back('.');
    } else {
      line.push_back(byte >= 0x20 && byte <= 0x7E ? c : kPreviewUnknownCharacter);
    }
  }
  line.resize(static_cast<size_t>(std::max(PanelCharsPerMessage(panelType), 0)), ' ');
  return line;
}

std::string SetPointPreviewValue(const TQMReadWriteTag& data) {
  std::string digits = std::to_string(std::max<int32_t>(data.maxValue, 0));
  if (data.variableDecimal || data.fixedDecimals < 1) return digits;
  size_t decimals = static_cast<size_t>(data.fixedDecimals);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  digits.insert(digits.size() - decimals, 1, '.');
  return digits;
}

}  // namespace lumora
