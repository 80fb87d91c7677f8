#pragma once
// A printed page as a list of drawing items, laid out without a paint device so that it can be checked
// as it is and painted on a printer, a PDF file or a preview alike. Positions are in 0.01 inch from the
// top left corner of the device's printable area, y growing downwards.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

enum class ReportColour { Black, Red, Blue, Green };

// The fonts are all "Arial".
struct ReportFont {
  int points = 9;
  bool bold = false;
  bool underline = false;
  bool operator==(const ReportFont&) const = default;
};

struct ReportItem {
  enum class Kind {
    Text,   // `text` in the box, vertically centred; left aligned or centred across the box
    Line,   // from (left, top) to (right, bottom), black, width 1
    Frame,  // the outline of the box
    Shade,  // the box filled with the light grey of the tables
  };
  Kind kind = Kind::Text;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  std::string text;  // single-byte (Latin-1), as the project holds it; a file name as the system names it
  bool fileName = false;  // `text` is a path in the locale's encoding, not Latin-1
  ReportFont font;
  ReportColour colour = ReportColour::Black;
  bool centred = false;
  // Turned by 90 degrees to read upwards, starting at the box's bottom and centred across its width.
  bool vertical = false;
  bool operator==(const ReportItem&) const = default;
};

struct ReportPage {
  int number = 0;
  std::vector<ReportItem> items;
};

// The width of a text in a font, in 0.01 inch, as the paint device will draw it.
using TextMeasure = std::function<double(std::string_view text, const ReportFont& font)>;

// What a report needs to know of the paint device.
struct ReportDevice {
  int widthMm = 0;  // printable area, whole millimetres
  int heightMm = 0;
  bool landscape = false;
  bool colour = true;
};

// Millimetres to 0.01 inch, truncated.
inline int MillimetresToUnits(int millimetres) {
  return static_cast<int>(millimetres * 100 * 0.03937007874015748);
}

}  // namespace lumora
