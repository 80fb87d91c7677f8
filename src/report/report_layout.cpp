#include "report/report_layout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <limits>

#include "model/message_text.h"
#include "model/project.h"
#include "report/latin1.h"

namespace lumora {
namespace {

using Cell = ReportLayout::Cell;

struct ColumnShare {
  Cell cell;
  const char* heading;
  int portrait;   // tenths of a percent of the width between the margins
  int landscape;
};

// The message column and the address columns are wider on a landscape page; the shares there add up to
// more than the page, so they are scaled down together to fill exactly the width between the margins.
const std::vector<ColumnShare>& Shares(int panelType) {
  static const std::vector<ColumnShare> text = {
      {Cell::Message, "", 240, 300},
      {Cell::Data1Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 1 Reg"), 105, 120},
      {Cell::Data1Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 100, 100},
      {Cell::Access, QT_TRANSLATE_NOOP("ReportLayout", "R / W"), 40, 40},
      {Cell::DecimalPointReg, QT_TRANSLATE_NOOP("ReportLayout", "Dec Pt Reg "), 105, 120},
      {Cell::Data2Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 2 Reg"), 105, 120},
      {Cell::Data2Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 100, 100},
      {Cell::Data3Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 3 Reg"), 105, 120},
      {Cell::Data3Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 100, 100}};
  static const std::vector<ColumnShare> keypad = {
      {Cell::Message, "", 280, 320},
      {Cell::Data1Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 1 Reg"), 80, 100},
      {Cell::Data1Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 100, 100},
      {Cell::Access, QT_TRANSLATE_NOOP("ReportLayout", "R / W"), 50, 50},
      {Cell::Password, QT_TRANSLATE_NOOP("ReportLayout", "L / R Password"), 50, 50},
      {Cell::DecimalPointReg, QT_TRANSLATE_NOOP("ReportLayout", "Dec Pt Reg "), 80, 100},
      {Cell::Data2Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 2 Reg"), 80, 100},
      {Cell::Data2Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 100, 100},
      {Cell::Data3Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 3 Reg"), 80, 100},
      {Cell::Data3Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 100, 100}};
  static const std::vector<ColumnShare> setPoint = {
      {Cell::Message, "", 390, 390},
      {Cell::Data1Reg, QT_TRANSLATE_NOOP("ReportLayout", "Data 1 Reg"), 170, 170},
      {Cell::Data1Type, QT_TRANSLATE_NOOP("ReportLayout", "Data Type"), 110, 110},
      {Cell::Access, QT_TRANSLATE_NOOP("ReportLayout", "R / W"), 60, 60},
      {Cell::DecimalPointReg, QT_TRANSLATE_NOOP("ReportLayout", "Dec Pt Reg "), 170, 170},
      {Cell::FixedDecimals, QT_TRANSLATE_NOOP("ReportLayout", "Fixed DP Pos"), 100, 100}};
  if (panelType == kPanelQM210K) return keypad;
  if (panelType == kPanelQMSV) return setPoint;
  return text;
}

// A fixed text of the report (marked in the context "ReportLayout") in the user's language, Latin-1 as the
// pages hold their texts.
std::string Tr(const char* text) {
  return ToLatin1(QCoreApplication::translate("ReportLayout", text));
}

// The same with its "%1" filled in by `number`.
std::string Tr(const char* text, int number) {
  return ToLatin1(QCoreApplication::translate("ReportLayout", text).arg(number));
}

ReportColour HeadingColour(Cell cell) {
  switch (cell) {
    case Cell::Data1Reg:
    case Cell::Data1Type:
    case Cell::Access:
    case Cell::Password:
    case Cell::DecimalPointReg:
    case Cell::FixedDecimals:
      return ReportColour::Red;
    case Cell::Data2Reg:
    case Cell::Data2Type:
      return ReportColour::Blue;
    case Cell::Data3Reg:
    case Cell::Data3Type:
      return ReportColour::Green;
    case Cell::Message:
      break;
  }
  return ReportColour::Black;
}

std::string ReportValueType(int valueType) {
  switch (valueType) {
    case kBcd16:
      return Tr(QT_TRANSLATE_NOOP("ReportLayout", "BCD 16"));
    case kBinary16:
      return Tr(QT_TRANSLATE_NOOP("ReportLayout", "Binary 16"));
    case kBcd32:
      return Tr(QT_TRANSLATE_NOOP("ReportLayout", "BCD 32"));
    case kBinary32:
      return Tr(QT_TRANSLATE_NOOP("ReportLayout", "Binary 32"));
    default:
      return "";
  }
}

std::string ReportButtonMode(int mode) {
  static const char* texts[] = {QT_TRANSLATE_NOOP("ReportLayout", "Momentary"),
                                QT_TRANSLATE_NOOP("ReportLayout", "Alternate"),
                                QT_TRANSLATE_NOOP("ReportLayout", "Panel set and PLC release")};
  return mode >= 0 && mode < 3 ? Tr(texts[mode]) : "";
}

std::string ReportLedMode(int mode) {
  static const char* texts[] = {QT_TRANSLATE_NOOP("ReportLayout", "ByButton"),
                                QT_TRANSLATE_NOOP("ReportLayout", "By Button and Flash"),
                                QT_TRANSLATE_NOOP("ReportLayout", "By PLC")};
  return mode >= 0 && mode < 3 ? Tr(texts[mode]) : "";
}

bool IsMarker(unsigned char c) {
  return c == kMarkerData1 || c == kMarkerData2 || c == kMarkerData3 || c == kMarkerDecimalPoint;
}

ReportColour MarkerColour(unsigned char c) {
  if (c == kMarkerData2) return ReportColour::Blue;
  if (c == kMarkerData3) return ReportColour::Green;
  return ReportColour::Red;
}

std::string Format(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

bool IsLocal(const TQMMessage& message) {
  return message.isPlcMessage == 0;
}

constexpr ReportFont kBody{9, false, false};
constexpr ReportFont kBodyBold{9, true, false};
constexpr ReportFont kMarkerFont{9, false, true};
constexpr ReportFont kHeadingFont{12, true, false};
constexpr ReportFont kBandFont{10, false, false};

}  // namespace

ReportLayout::ReportLayout(const TQMProject& project, std::string documentPath, const ReportDevice& device,
                           TextMeasure measure)
    : project_(project),
      panel_(project.CurrentPanel()),
      documentPath_(std::move(documentPath)),
      measure_(std::move(measure)),
      width_(MillimetresToUnits(device.widthMm)),
      height_(MillimetresToUnits(device.heightMm) - 20),
      landscape_(device.landscape),
      colour_(device.colour) {
  // Rows start below the headings and stop at the bottom margin.
  linesPerPage_ = std::max(1, (height_ - 2 * kMargin - kTableTop) / kRowHeight);
  BuildColumns();
}

void ReportLayout::BuildColumns() {
  const std::vector<ColumnShare>& shares = Shares(panel_ ? panel_->panelType : kPanelQM210);
  int total = 0;
  for (const ColumnShare& share : shares)
    total += landscape_ ? share.landscape : share.portrait;
  int available = width_ - 2 * kMargin;
  int left = kMargin;
  for (const ColumnShare& share : shares) {
    int width = available * (landscape_ ? share.landscape : share.portrait) / total;
    columns_.push_back({share.cell, share.heading, left, width});
    left += width;
  }
}

ReportItem ReportLayout::Text(int left, int top, int right, int bottom, const std::string& text,
                              ReportFont font, bool centred) const {
  ReportItem item;
  item.kind = ReportItem::Kind::Text;
  item.left = left;
  item.top = top;
  item.right = right;
  item.bottom = bottom;
  item.text = text;
  item.font = font;
  item.centred = centred;
  return item;
}

int ReportLayout::PageCount() {
  PlanUntil(std::numeric_limits<size_t>::max());
  return 1 + static_cast<int>(pageStarts_.size());
}

void ReportLayout::PlanUntil(size_t pages) {
  size_t count = panel_ ? panel_->messages.size() : 0;
  while (!planComplete_ && pageStarts_.size() < pages) {
    size_t start = pageStarts_.empty() ? 0 : PageEnd(pageStarts_.back());
    if (start >= count) {
      planComplete_ = true;
      break;
    }
    pageStarts_.push_back(start);
  }
}

size_t ReportLayout::PageEnd(size_t start) const {
  const std::vector<TQMMessage>& messages = panel_->messages;
  int lines = 0;
  size_t i = start;
  for (; i < messages.size(); ++i) {
    int need = RowLines(i);
    if (i > start) {
      // PLC and local messages never share a page.
      bool firstLocal = IsLocal(messages[i]) && !IsLocal(messages[i - 1]);
      if (firstLocal || lines + need > linesPerPage_) break;
    }
    lines += need;
  }
  return i;
}

ReportPage ReportLayout::Page(int number) {
  ReportPage page;
  page.number = number;
  if (number == 1) {
    AddProjectPage(page);
  } else if (number > 1) {
    PlanUntil(static_cast<size_t>(number - 1));
    size_t index = static_cast<size_t>(number - 2);
    if (index < pageStarts_.size()) AddMessagePage(page, pageStarts_[index], PageEnd(pageStarts_[index]));
  }
  // Last, so that no shaded row covers part of the frame's line.
  AddFrame(page);
  return page;
}

void ReportLayout::AddFrame(ReportPage& page) const {
  ReportItem frame;
  frame.kind = ReportItem::Kind::Frame;
  frame.left = kMargin;
  frame.top = kMargin;
  frame.right = width_ - kMargin;
  frame.bottom = height_ - kMargin;
  page.items.push_back(frame);
  page.items.push_back(Text(kMargin, height_ - kMargin - 20, width_ - kMargin, height_ - kMargin,
                            Format("%d", page.number), kBody, true));
}

void ReportLayout::AddProjectPage(ReportPage& page) const {
  bool multiPanel = project_.IsMultiPanel();
  ReportItem band;
  band.kind = ReportItem::Kind::Shade;
  band.left = kMargin + 30;
  band.top = kMargin + 30;
  band.right = width_ - kMargin - 30;
  band.bottom = kMargin + 100;
  page.items.push_back(band);
  page.items.push_back(Text(
      band.left, band.top, band.right, band.bottom,
      multiPanel
          ? Tr(QT_TRANSLATE_NOOP("ReportLayout", "Lumora Operator Interface Panel(s) Project Documentation"))
          : Tr(QT_TRANSLATE_NOOP("ReportLayout", "Lumora Operator Interface Panel Project Documentation")),
      kHeadingFont, true));

  const int labelX = kMargin + 30;
  const int valueX = kMargin + 300;
  int y = kMargin + 100;
  auto line = [&](const std::string& label, const std::string& value) {
    page.items.push_back(Text(labelX, y, valueX, y + 30, label, kBody));
    page.items.push_back(Text(valueX, y, width_ - kMargin, y + 30, value, kBody));
    y += 30;
  };
  line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "FileName : ")), documentPath_);
  page.items.back().fileName = true;
  line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "SystemType : ")),
       multiPanel ? Tr(QT_TRANSLATE_NOOP("ReportLayout", "Multiple Panel System"))
                  : Tr(QT_TRANSLATE_NOOP("ReportLayout", "Single Panel System")));
  if (panel_ && !multiPanel) line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "PanelType : ")), panel_->ModelText());
  if (panel_ && panel_->UsesButtons()) {
    line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "Button(Bit Write)PLC Word : ")),
         panel_->buttonLeds.buttonWord.address);
    line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "LED(Bit Read)PLC Word : ")),
         panel_->buttonLeds.ledWord.address);
  }
  for (int n = 1; panel_ && n <= panel_->LineCount() && n <= 4; ++n)
    line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "Line %1 PLC :"), n),
         panel_->lineRegisters[static_cast<size_t>(n - 1)].address);
  line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "PLC TYPE : ")), project_.plcSettings.plcName);
  if (panel_ && panel_->IsKeypadPanel()) {
    line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "PLC Password Register:")), panel_->passwordRegister.address);
    line(Tr(QT_TRANSLATE_NOOP("ReportLayout", "Annunciator Word: ")), panel_->annunciatorWord.address);
  }
  if (!panel_ || !panel_->UsesButtons()) return;

  // The buttons/LEDs table, one line below the settings.
  y += 30;
  page.items.push_back(Text(labelX, y, width_ - kMargin, y + 30,
                            Tr(QT_TRANSLATE_NOOP("ReportLayout", "BUTTON/ LED Information")), kBodyBold));
  y += 30;
  double widest = 0;
  for (int mode = 0; mode < 3; ++mode)
    widest = std::max(widest, measure_(ReportButtonMode(mode), kBody));
  const int buttonValueX = labelX + 80;
  const int ledLabelX = buttonValueX + static_cast<int>(widest + 0.5) + 40;
  const int ledValueX = ledLabelX + 80;
  for (int i = 0; i < 5; ++i) {
    page.items.push_back(Text(labelX, y, buttonValueX, y + 30, Format("F%d:", i + 1), kBody));
    page.items.push_back(
        Text(buttonValueX, y, ledLabelX, y + 30, ReportButtonMode(panel_->buttonLeds.buttonMode[i]), kBody));
    page.items.push_back(Text(ledLabelX, y, ledValueX, y + 30,
                              Tr(QT_TRANSLATE_NOOP("ReportLayout", "LED %1:"), i + 1), kBody));
    page.items.push_back(
        Text(ledValueX, y, width_ - kMargin, y + 30, ReportLedMode(panel_->buttonLeds.ledMode[i]), kBody));
    y += 30;
  }
}

ReportLayout::CellLines ReportLayout::Wrap(const std::string& text, const std::string& display,
                                           int width) const {
  CellLines lines;
  size_t i = 0;
  do {
    size_t end = std::min(i + 1, display.size());
    while (end < display.size() && measure_(std::string_view(display).substr(i, end + 1 - i), kBody) <= width)
      ++end;
    std::vector<Run> runs;
    for (size_t k = i; k < end; ++k) {
      auto raw = static_cast<unsigned char>(text[k]);
      bool marker = IsMarker(raw);
      ReportColour colour = marker ? Colour(MarkerColour(raw)) : ReportColour::Black;
      if (runs.empty() || runs.back().marker != marker || runs.back().colour != colour)
        runs.push_back({"", marker, colour});
      runs.back().text += display[k];
    }
    lines.push_back(std::move(runs));
    i = end;
  } while (i < display.size());
  return lines;
}

ReportLayout::CellLines ReportLayout::CellText(Cell cell, const TQMMessage& message) const {
  const Column* column = nullptr;
  for (const Column& c : columns_) {
    if (c.cell == cell) column = &c;
  }
  int width = column ? column->width - 2 * kCellPadding : 0;
  auto wrapped = [&](const std::string& text) { return Wrap(text, text, width); };
  auto single = [](const std::string& text) {
    return CellLines{text.empty() ? std::vector<Run>{} : std::vector<Run>{{text, false, ReportColour::Black}}};
  };
  bool item1 = message.HasDataItem(1);
  switch (cell) {
    case Cell::Message: {
      std::string prefix;
      if (!IsLocal(message)) {
        prefix = Format("[%03d] ", message.number);
      } else {
        prefix = std::string(static_cast<size_t>(std::max<int>(0, message.level)) * 3, ' ') +
                 (message.isFolder ? "[+] " : "  ");
      }
      return Wrap(prefix + message.text, prefix + MessageDisplayText(message.text), width);
    }
    case Cell::Data1Reg:
      return wrapped(message.data1.address);
    case Cell::Data1Type:
      return single(item1 ? ReportValueType(message.data1.valueType) : "");
    case Cell::Access:
      return single(item1 ? message.data1.AccessText() : "");
    case Cell::Password:
      if (!item1 || !message.data1.passwordProtected) return single("");
      return single(message.data1.useLocalPassword ? Tr(QT_TRANSLATE_NOOP("ReportLayout", "L"))
                                                   : Tr(QT_TRANSLATE_NOOP("ReportLayout", "R")));
    case Cell::DecimalPointReg:
      return wrapped(message.data1.decimalPointTag.address);
    case Cell::FixedDecimals:
      return single(message.data1.fixedDecimals == -1 ? Tr(QT_TRANSLATE_NOOP("ReportLayout", "none"))
                                                      : std::to_string(message.data1.fixedDecimals));
    case Cell::Data2Reg:
      return wrapped(message.data2.address);
    case Cell::Data2Type:
      return single(message.HasDataItem(2) ? ReportValueType(message.data2.valueType) : "");
    case Cell::Data3Reg:
      return wrapped(message.data3.address);
    case Cell::Data3Type:
      return single(message.HasDataItem(3) ? ReportValueType(message.data3.valueType) : "");
  }
  return {};
}

int ReportLayout::RowLines(size_t index) const {
  const TQMMessage& message = panel_->messages[index];
  size_t lines = 1;
  for (const Column& column : columns_)
    lines = std::max(lines, CellText(column.cell, message).size());
  return static_cast<int>(lines);
}

void ReportLayout::AddMessagePage(ReportPage& page, size_t start, size_t end) const {
  const std::vector<TQMMessage>& messages = panel_->messages;
  const Column& messageColumn = columns_.front();
  const int top = kMargin;
  const int tableLeft = columns_.front().left;
  const int tableRight = columns_.back().left + columns_.back().width;
  const int messageRight = messageColumn.left + messageColumn.width;

  ReportItem band;
  band.kind = ReportItem::Kind::Shade;
  band.left = kMargin + 3;
  band.top = top + 3;
  band.right = messageRight;
  band.bottom = top + 69;
  page.items.push_back(band);
  if (!project_.IsMultiPanel())
    page.items.push_back(Text(kMargin + 10, top + 8, messageRight, top + 33,
                              Tr(QT_TRANSLATE_NOOP("ReportLayout", "Single Panel System")), kBandFont));
  page.items.push_back(Text(kMargin + 10, top + 36, messageRight, top + 61, panel_->ModelText(), kBandFont));
  page.items.push_back(Text(messageColumn.left, top + 72, messageRight, top + kTableTop,
                            IsLocal(messages[start]) ? Tr(QT_TRANSLATE_NOOP("ReportLayout", "Local Messages"))
                                                     : Tr(QT_TRANSLATE_NOOP("ReportLayout", "PLC Messages")),
                            kBodyBold, true));

  for (const Column& column : columns_) {
    if (column.cell == Cell::Message) continue;
    ReportItem heading = Text(column.left, top + 3, column.left + column.width, top + kHeadingBase,
                              Tr(column.heading), kHeadingFont);
    heading.vertical = true;
    heading.colour = Colour(HeadingColour(column.cell));
    page.items.push_back(heading);
  }
  ReportItem rule;
  rule.kind = ReportItem::Kind::Line;
  rule.left = tableLeft;
  rule.right = tableRight;
  rule.top = rule.bottom = top + kTableTop;
  page.items.push_back(rule);

  int y = top + kTableTop;
  for (size_t i = start; i < end; ++i) {
    const TQMMessage& message = messages[i];
    std::vector<CellLines> cells;
    size_t lines = 1;
    for (const Column& column : columns_) {
      cells.push_back(CellText(column.cell, message));
      lines = std::max(lines, cells.back().size());
    }
    int rowBottom = y + static_cast<int>(lines) * kRowHeight;
    if ((i + 1) % 2 == 0) {
      ReportItem shade;
      shade.kind = ReportItem::Kind::Shade;
      shade.left = tableLeft;
      shade.top = y;
      shade.right = tableRight;
      shade.bottom = rowBottom;
      page.items.push_back(shade);
    }
    for (size_t c = 0; c < columns_.size(); ++c) {
      const Column& column = columns_[c];
      int lineTop = y;
      for (const std::vector<Run>& line : cells[c]) {
        double x = column.left + kCellPadding;
        for (const Run& run : line) {
          ReportItem item = Text(static_cast<int>(x + 0.5), lineTop, column.left + column.width,
                                 lineTop + kRowHeight, run.text, run.marker ? kMarkerFont : kBody);
          item.colour = run.colour;
          page.items.push_back(item);
          x += measure_(run.text, kBody);
        }
        lineTop += kRowHeight;
      }
    }
    y = rowBottom;
  }

  for (size_t c = 1; c < columns_.size(); ++c) {
    ReportItem divider;
    divider.kind = ReportItem::Kind::Line;
    divider.left = divider.right = columns_[c].left;
    divider.top = top + kTableTop;
    divider.bottom = y;
    page.items.push_back(divider);
  }
}

}  // namespace lumora
