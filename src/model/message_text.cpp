#include "model/message_text.h"

#include <algorithm>
#include <cstdio>

#include "model/codes.h"
#include "model/project.h"
#include "model/translation.h"

namespace lumora {

unsigned char DataItemMarker(int item) {
  switch (item) {
    case 1:
      return kMarkerData1;
    case 2:
      return kMarkerData2;
    case 3:
      return kMarkerData3;
    default:
      return 0;
  }
}

std::string MessageDisplayText(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    switch (static_cast<unsigned char>(c)) {
      case kMarkerData1:
        c = '1';
        break;
      case kMarkerData2:
        c = '2';
        break;
      case kMarkerData3:
        c = '3';
        break;
      case kMarkerDecimalPoint:
        c = '.';
        break;
      default:
        break;
    }
  }
  return shown;
}

int DataItemWidth(std::string_view text, int item) {
  unsigned char marker = DataItemMarker(item);
  if (marker == 0) return 0;
  return static_cast<int>(std::count_if(
      text.begin(), text.end(), [marker](char c) { return static_cast<unsigned char>(c) == marker; }));
}

bool MessageHasDataItem(std::string_view text, int item) {
  unsigned char marker = DataItemMarker(item);
  return marker != 0 && text.find(static_cast<char>(marker)) != std::string_view::npos;
}

int MessageLengthLimit(int panelType, bool isFolder) {
  int limit = PanelCharsPerMessage(panelType);
  return isFolder ? std::max(0, limit - 1) : limit;
}

std::string RemoveDecimalPoint(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (static_cast<unsigned char>(c) != kMarkerDecimalPoint) result.push_back(c);
  }
  return result;
}

std::string PlaceDecimalPoint(std::string_view text) {
  bool hadPoint = text.find(static_cast<char>(kMarkerDecimalPoint)) != std::string_view::npos;
  std::string result = RemoveDecimalPoint(text);
  if (!hadPoint) return result;
  size_t last = result.rfind(static_cast<char>(kMarkerData1));
  if (last == std::string::npos) return result;
  result.insert(last + 1, 1, static_cast<char>(kMarkerDecimalPoint));
  return result;
}

std::string InsertDecimalPoint(std::string& text, int lengthLimit) {
  if (static_cast<int>(text.size()) >= lengthLimit)
    return translate("Core", "Error Z005:  The Maximum message length has exceeded.");
  std::string result = RemoveDecimalPoint(text);
  size_t last = result.rfind(static_cast<char>(kMarkerData1));
  if (last != std::string::npos) result.insert(last + 1, 1, static_cast<char>(kMarkerDecimalPoint));
  text = result;
  return "";
}

std::string DecimalPointText(const TQMReadWriteTag& tag) {
  if (tag.variableDecimal) return translate("Core", "Variable");
  if (tag.fixedDecimals >= 1) return Arg(translate("Core", "Fixed - %1"), tag.fixedDecimals);
  return translate("Core", "none");
}

}  // namespace lumora
