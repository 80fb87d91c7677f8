#pragma once
// What a panel shows for a message: the line with sample values in its data positions, for the editor's
// live preview.
//
// Each data item shows a sample value right-aligned in its positions, the way the panel shows numbers:
// item 1 counts up from 1 ("1234"), item 2 from 2 ("2345"), item 3 from 3 ("3456"), four digits or fewer
// when the item has fewer positions. The positions are filled in text order wherever they stand, blanks
// in front of the value, or zeros with "Leading Zeroes". A fixed decimal point of data item 1 takes one
// of its positions, with `fixedDecimals` digits behind it; the PLC-controlled one shows at its own
// position. A folder gets the "+" the panel puts before it. Characters the panel cannot show appear as
// "?". The line is padded with blanks, or cut, to the panel's characters per message.

#include <string>

namespace lumora {

class TQMMessage;
class TQMReadWriteTag;

inline constexpr char kPreviewUnknownCharacter = '?';

std::string MessagePreviewLine(const TQMMessage& message, int panelType);
// The sample of one data item `width` positions wide: right-aligned, "." and `decimals` digits behind
// it when `decimals` is 1 or more; the rightmost `width` characters when it does not fit.
std::string DataItemSample(int item, int width, int decimals, bool leadingZeros);

// The value a set point shows on the panel's digits as a sample: its maximum, with the fixed decimal point
// placed (a variable one is placed by the PLC at run time, so it shows none).
std::string SetPointPreviewValue(const TQMReadWriteTag& data);

}  // namespace lumora
