#pragma once
// Message texts with embedded data: 0xFF, 0xFE, 0xFD mark digit positions of data items 1, 2, 3 and
// 0xFC the PLC-controlled decimal point of data item 1.

#include <string>
#include <string_view>

namespace lumora {

class TQMReadWriteTag;

inline constexpr unsigned char kMarkerData1 = 0xFF;
inline constexpr unsigned char kMarkerData2 = 0xFE;
inline constexpr unsigned char kMarkerData3 = 0xFD;
inline constexpr unsigned char kMarkerDecimalPoint = 0xFC;

unsigned char DataItemMarker(int item);  // item 1..3
// Markers shown as "1", "2", "3" and "."; every other byte unchanged.
std::string MessageDisplayText(std::string_view text);
int DataItemWidth(std::string_view text, int item);
bool MessageHasDataItem(std::string_view text, int item);
// The longest text a message may have: characters per message, one less for a folder.
int MessageLengthLimit(int panelType, bool isFolder);

// Keeps 0xFC directly after the last 0xFF, and removes it when there is no 0xFF.
std::string PlaceDecimalPoint(std::string_view text);
// Turning the PLC-controlled decimal point on: "" and the text with 0xFC placed, or the Z005 text when the
// text is already as long as `lengthLimit`.
std::string InsertDecimalPoint(std::string& text, int lengthLimit);
std::string RemoveDecimalPoint(std::string_view text);

// Texts of data item 1 in lists.
std::string DecimalPointText(const TQMReadWriteTag& tag);

}  // namespace lumora
