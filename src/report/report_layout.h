#pragma once
// The project documentation: page 1 with the project's settings and the buttons/LEDs table, then the
// pages listing the messages of the panel on the selected port with their data items. Pages are planned
// as they are asked for; a page asked for out of order is found by laying out the pages before it
// without drawing them, so any page range prints exactly as it does within the whole report.

#include <cstddef>
#include <string>
#include <vector>

#include "report/report_page.h"

namespace lumora {

class TQMMessage;
class TQMPanel;
class TQMProject;

class ReportLayout {
 public:
  static constexpr int kMargin = 10;
  static constexpr int kRowHeight = 20;
  static constexpr int kTableTop = 145;     // below the top margin: where the rows start
  static constexpr int kHeadingBase = 135;  // below the top margin: where the rotated headings start
  static constexpr int kCellPadding = 3;

  enum class Cell { Message, Data1Reg, Data1Type, Access, Password, DecimalPointReg, FixedDecimals,
                    Data2Reg, Data2Type, Data3Reg, Data3Type };
  struct Column {
    Cell cell;
    const char* heading;  // empty for the message column
    int left = 0;         // from the left edge of the printable area
    int width = 0;
  };

  // `project` and `measure` must outlive the layout.
  ReportLayout(const TQMProject& project, std::string documentPath, const ReportDevice& device,
               TextMeasure measure);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Message rows a page holds.
  int LinesPerPage() const { return linesPerPage_; }
  const std::vector<Column>& Columns() const { return columns_; }

  // Plans every page: page 1 and one page per group of message rows.
  int PageCount();
  // Pages 1 to PageCount(); a number beyond gives the frame and number only.
  ReportPage Page(int number);
  // The index, in the panel's messages, of the first message of each planned message page (page 2 on).
  const std::vector<size_t>& PageStarts() const { return pageStarts_; }

 private:
  struct Run {
    std::string text;
    bool marker = false;
    ReportColour colour = ReportColour::Black;
  };
  using CellLines = std::vector<std::vector<Run>>;

  void BuildColumns();
  // Plans message pages until `pages` are known or the messages end.
  void PlanUntil(size_t pages);
  size_t PageEnd(size_t start) const;
  int RowLines(size_t index) const;
  CellLines CellText(Cell cell, const TQMMessage& message) const;
  CellLines Wrap(const std::string& text, const std::string& display, int width) const;
  void AddFrame(ReportPage& page) const;
  void AddProjectPage(ReportPage& page) const;
  void AddMessagePage(ReportPage& page, size_t start, size_t end) const;
  ReportColour Colour(ReportColour colour) const { return colour_ ? colour : ReportColour::Black; }
  ReportItem Text(int left, int top, int right, int bottom, const std::string& text, ReportFont font,
                  bool centred = false) const;

  const TQMProject& project_;
  const TQMPanel* panel_;
  std::string documentPath_;
  TextMeasure measure_;
  int width_;
  int height_;
  bool landscape_;
  bool colour_;
  int linesPerPage_;
  std::vector<Column> columns_;
  std::vector<size_t> pageStarts_;
  bool planComplete_ = false;
};

}  // namespace lumora
