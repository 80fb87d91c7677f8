#pragma once
// What the message table's reader, writer and text form share: the columns by name and place, the words
// the cells use, and how a cell is shown in a problem's reason.

#include <string>
#include <string_view>

namespace lumora {

class TQMMessage;
class TQMPanel;

namespace message_csv {

// Every column the reader and the writer know: the fixed ones in their order, then the extra ones.
enum Column : size_t {
  kKind,
  kNumber,
  kLevel,
  kFolder,
  kText,
  kAddress1,
  kTag1,
  kType1,
  kAccess1,
  kLimits1,
  kMin1,
  kMax1,
  kPassword1,
  kDecimal1,
  kDecimalAddress1,
  kLeadingZeros1,
  kAddress2,
  kTag2,
  kType2,
  kLeadingZeros2,
  kAddress3,
  kTag3,
  kType3,
  kLeadingZeros3,
  kDecimalTag1,
  kDecimalType1,
  kColumnCount
};

const std::string& ColumnName(size_t column);

// Each data item's address, tag, type and leading-zeros columns.
inline constexpr Column kItemColumns[3][4] = {{kAddress1, kTag1, kType1, kLeadingZeros1},
                                              {kAddress2, kTag2, kType2, kLeadingZeros2},
                                              {kAddress3, kTag3, kType3, kLeadingZeros3}};

inline constexpr const char* kAccessTexts[] = {"Read/Write", "Read only", "Write only"};

// Data item 1's cells are in the table for every set-point panel message, else when the text has it.
bool HoldsItemOne(const TQMPanel& panel, const TQMMessage& message);

// A cell as a reason quotes it: one line of at most kShownCellLength characters, "..." where it was cut,
// control characters written as \r, \n, \t or \xNN. A table's cell can be megabytes long or hold the
// line breaks of a file whose lines end in CR alone; the reason stays one short line either way.
inline constexpr size_t kShownCellLength = 40;
std::string ShownCell(std::string_view cell);
// The same between double quotes.
std::string QuotedCell(std::string_view cell);

}  // namespace message_csv
}  // namespace lumora
