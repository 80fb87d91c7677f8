#include "model/set_point_list.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "model/panel.h"
#include "model/translation.h"

namespace lumora {

int SetPointTypeFromPosition(int position) {
  if (position < 0) return kBcd16;
  switch (position) {
    case 0:
      return kBcd16;
    case 1:
      return kBcd32;
    case 2:
      return kBinary16;
    default:
      return kBinary32;
  }
}

int SetPointPositionFromType(int valueType) {
  // The map is its own inverse.
  return SetPointTypeFromPosition(valueType);
}

std::string DecimalBoxText(int position) {
  if (position <= 0) return translate("Core", "None");
  if (position >= kVariableDecimalPosition) return translate("Core", "Variable");
  return Arg(translate("Core", "Fixed - %1"), position);
}

int DecimalBoxPosition(const TQMReadWriteTag& data) {
  if (data.variableDecimal) return kVariableDecimalPosition;
  return std::clamp<int>(data.fixedDecimals, 0, kVariableDecimalPosition - 1);
}

std::string SetPointNumberText(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

std::string SetPointAccessText(int accessType) {
  return accessType == kReadOnly ? translate("Core", "Read only") : translate("Core", "Read/Write");
}

std::string SetPointDecimalText(const TQMReadWriteTag& data) {
  if (data.variableDecimal) return translate("Core", "Variable");
  if (data.fixedDecimals >= 1) return Arg(translate("Core", "Fixed - %1"), data.fixedDecimals);
  return translate("Core", "none");
}

std::string NumberRangeText(long long low, long long high) {
  return Arg(Arg(translate("Core", "Please enter a number between %1 and %2"), low), high);
}

std::optional<LimitProblem> CheckSetPointLimits(int panelType, int valueType, long long minimum,
                                                long long maximum) {
  const long long largest = ValueTypeMaxValue(panelType, valueType);
  if (minimum < 0 || minimum > largest) return LimitProblem{false, NumberRangeText(0, largest)};
  if (maximum < minimum || maximum > largest) return LimitProblem{true, NumberRangeText(minimum, largest)};
  return std::nullopt;
}

std::optional<int> ParseSetPointNumber(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  if (begin == end || end - begin > 9) return std::nullopt;
  int value = 0;
  for (size_t i = begin; i < end; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  if (value < 1 || value > kMaxMessagesPerPanel) return std::nullopt;
  return value;
}

SetPointList::SetPointList(const TQMPanel& panel) : messages_(panel.messages) {}

int SetPointList::IndexOf(int number) const {
  for (size_t i = 0; i < messages_.size(); ++i) {
    if (messages_[i].number == number) return static_cast<int>(i);
  }
  return -1;
}

SetPointList::Stored SetPointList::Store(const TQMMessage& message) {
  int index = IndexOf(message.number);
  if (index >= 0) {
    messages_[static_cast<size_t>(index)] = message;
    return {index, false};
  }
  TQMMessage added = message;
  added.isPlcMessage = 1;
  added.level = 0;
  added.isFolder = 0;
  messages_.push_back(added);
  return {Count() - 1, true};
}

bool SetPointList::Remove(int number) {
  int index = IndexOf(number);
  if (index < 0) return false;
  messages_.erase(messages_.begin() + index);
  return true;
}

std::optional<int> SetPointList::PasteNumber(std::optional<int> afterNumber) const {
  if (messages_.empty() && !afterNumber) return 1;
  int from = afterNumber ? *afterNumber : messages_.back().number;
  for (int number = std::max(from + 1, 1); number <= kMaxMessagesPerPanel; ++number) {
    if (!Contains(number)) return number;
  }
  return std::nullopt;
}

void SetPointList::StoreInto(TQMPanel& panel) const {
  std::vector<TQMMessage> sorted = messages_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const TQMMessage& a, const TQMMessage& b) { return a.number < b.number; });
  for (TQMMessage& message : sorted) message.SetOwners(panel.project, &panel);
  panel.firstLocalNumber = sorted.empty() ? 0 : sorted.front().number;
  panel.messages = std::move(sorted);
}

}  // namespace lumora
