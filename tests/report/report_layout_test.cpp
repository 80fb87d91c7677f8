#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <map>

#include "model/project.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

using testing::SetTarvoAddress;
using Kind = ReportItem::Kind;

// Every character as wide as 0.7 of the font's size in points (in 0.01 inch).
double FixedWidth(std::string_view text, const ReportFont& font) {
  return static_cast<double>(text.size()) * font.points * 0.7;
}

const ReportDevice kA4{210, 297, false, true};  // 826 x 1149 units
constexpr int kM = ReportLayout::kMargin;

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

TQMMessage& AddMessage(TQMPanel& panel, int number, bool plc, const std::string& text) {
  TQMMessage message = panel.NewMessage();
  message.number = number;
  message.isPlcMessage = plc ? 1 : 0;
  message.text = text;
  panel.messages.push_back(message);
  return panel.messages.back();
}

TQMProject SinglePanel(int panelType) {
  TQMProject project;
  project.plcSettings.plcName = "Tarvo DL-205";
  TQMPanel& panel = project.AddPanel(panelType, 1);
  SetTarvoAddress(panel.buttonLeds.buttonWord, "V2101");
  SetTarvoAddress(panel.buttonLeds.ledWord, "V2100");
  for (int i = 0; i < panel.LineCount(); ++i)
    SetTarvoAddress(panel.lineRegisters[static_cast<size_t>(i)], "V211" + std::to_string(i));
  return project;
}

std::vector<const ReportItem*> Texts(const ReportPage& page) {
  std::vector<const ReportItem*> texts;
  for (const ReportItem& item : page.items) {
    if (item.kind == Kind::Text && !item.text.empty()) texts.push_back(&item);
  }
  return texts;
}

const ReportItem* Find(const ReportPage& page, const std::string& text) {
  for (const ReportItem* item : Texts(page)) {
    if (item->text == text) return item;
  }
  return nullptr;
}

// The texts of one line of the page, left to right, joined as they are printed in a cell.
std::string LineAt(const ReportPage& page, int top, int left, int right) {
  std::map<int, std::string> runs;
  for (const ReportItem* item : Texts(page)) {
    if (item->top == top && item->left >= left && item->left < right && !item->vertical)
      runs[item->left] += item->text;
  }
  std::string line;
  for (const auto& [x, text] : runs)
    line += text;
  return line;
}

ReportLayout::Column ColumnOf(const ReportLayout& layout, ReportLayout::Cell cell) {
  for (const ReportLayout::Column& column : layout.Columns()) {
    if (column.cell == cell) return column;
  }
  return {};
}

TEST(ReportLayoutTest, ProjectPageOfASinglePanel) {
  TQMProject project = SinglePanel(kPanelQM210);
  project.CurrentPanel()->buttonLeds.buttonMode = {0, 1, 2, 0, 1};
  project.CurrentPanel()->buttonLeds.ledMode = {2, 1, 0, 0, 1};
  ReportLayout layout(project, "/projects/plant.lmx", kA4, FixedWidth);
  EXPECT_EQ(layout.Width(), 826);
  EXPECT_EQ(layout.Height(), 1169 - 20);
  EXPECT_EQ(layout.PageCount(), 1);
  ReportPage page = layout.Page(1);

  // The frame along the margins and the number in the band above the bottom margin.
  // Drawn last: the shaded rows do not cover part of its line.
  ASSERT_GE(page.items.size(), 2u);
  const ReportItem& frame = page.items[page.items.size() - 2];
  EXPECT_EQ(frame.kind, Kind::Frame);
  EXPECT_EQ(frame.left, kM);
  EXPECT_EQ(frame.top, kM);
  EXPECT_EQ(frame.right, 826 - kM);
  EXPECT_EQ(frame.bottom, 1149 - kM);
  const ReportItem* number = Find(page, "1");
  ASSERT_TRUE(number);
  EXPECT_TRUE(number->centred);
  EXPECT_EQ(number->top, 1149 - kM - 20);

  const ReportItem* title = Find(page, "Lumora Operator Interface Panel Project Documentation");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->font, (ReportFont{12, true, false}));
  EXPECT_TRUE(title->centred);
  EXPECT_EQ(title->left, kM + 30);
  EXPECT_EQ(title->right, 826 - kM - 30);
  EXPECT_EQ(title->top, kM + 30);
  EXPECT_EQ(title->bottom, kM + 100);

  // Label and value lines, 30 units apart, in their order.
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"FileName : ", "/projects/plant.lmx"},     {"SystemType : ", "Single Panel System"},
      {"PanelType : ", "QM210"},                  {"Button(Bit Write)PLC Word : ", "V2101"},
      {"LED(Bit Read)PLC Word : ", "V2100"},      {"Line 1 PLC :", "V2110"},
      {"Line 2 PLC :", "V2111"},                  {"PLC TYPE : ", "Tarvo DL-205"}};
  int y = kM + 100;
  for (const auto& [label, value] : expected) {
    const ReportItem* labelItem = Find(page, label);
    ASSERT_TRUE(labelItem) << label;
    EXPECT_EQ(labelItem->top, y) << label;
    EXPECT_EQ(labelItem->left, kM + 30);
    EXPECT_EQ(labelItem->font, (ReportFont{9, false, false}));
    EXPECT_EQ(LineAt(page, y, kM + 300, 826), value) << label;
    y += 30;
  }
  EXPECT_FALSE(Find(page, "PLC Password Register:"));
  EXPECT_FALSE(Find(page, "Annunciator Word: "));

  const ReportItem* heading = Find(page, "BUTTON/ LED Information");
  ASSERT_TRUE(heading);
  EXPECT_TRUE(heading->font.bold);
  EXPECT_GT(heading->top, y - 30);
  const ReportItem* f3 = Find(page, "F3:");
  const ReportItem* release = Find(page, "Panel set and PLC release");
  const ReportItem* led3 = Find(page, "LED 3:");
  ASSERT_TRUE(f3 && release && led3);
  EXPECT_EQ(release->left - f3->left, 80);
  EXPECT_EQ(release->top, f3->top);
  EXPECT_EQ(led3->top, f3->top);
  // The LED column stands 40 units right of the widest button text.
  EXPECT_EQ(led3->left, release->left + static_cast<int>(FixedWidth("Panel set and PLC release", {9}) + 0.5) + 40);
  EXPECT_EQ(LineAt(page, led3->top, led3->left + 1, 826), "ByButton");
  const ReportItem* led1 = Find(page, "LED 1:");
  ASSERT_TRUE(led1);
  EXPECT_EQ(LineAt(page, led1->top, led1->left + 1, 826), "By PLC");
  EXPECT_EQ(LineAt(page, led1->top, kM + 31, led3->left), "Momentary");
}

TEST(ReportLayoutTest, KeypadPanelWithPasswordsAndAnnunciator) {
  TQMProject project = testing::MakeKeypadProject({});
  ReportLayout layout(project, "k.lmx", kA4, FixedWidth);
  ReportPage first = layout.Page(1);
  const ReportItem* password = Find(first, "PLC Password Register:");
  const ReportItem* annunciator = Find(first, "Annunciator Word: ");
  ASSERT_TRUE(password && annunciator);
  EXPECT_EQ(annunciator->top, password->top + 30);
  EXPECT_EQ(LineAt(first, password->top, kM + 300, 826), "V2020");
  EXPECT_EQ(LineAt(first, annunciator->top, kM + 300, 826), "V2002");
  const ReportItem* plcType = Find(first, "PLC TYPE : ");
  ASSERT_TRUE(plcType);
  EXPECT_EQ(password->top, plcType->top + 30);

  // Columns of the QM210K, in order, as shares of the width between the margins.
  std::vector<std::string> headings;
  for (const ReportLayout::Column& column : layout.Columns())
    headings.push_back(column.heading);
  EXPECT_EQ(headings, (std::vector<std::string>{"", "Data 1 Reg", "Data Type", "R / W", "L / R Password",
                                                "Dec Pt Reg ", "Data 2 Reg", "Data Type", "Data 3 Reg",
                                                "Data Type"}));
  const int available = 826 - 2 * kM;
  EXPECT_EQ(layout.Columns()[0].width, available * 280 / 1000);
  EXPECT_EQ(layout.Columns()[1].width, available * 80 / 1000);
  EXPECT_EQ(layout.Columns()[4].width, available * 50 / 1000);

  // PLC messages on page 2, the local folder and its message on page 3.
  ASSERT_EQ(layout.PageCount(), 3);
  ReportPage plc = layout.Page(2);
  EXPECT_TRUE(Find(plc, "PLC Messages"));
  EXPECT_FALSE(Find(plc, "Local Messages"));
  const int row1 = kM + ReportLayout::kTableTop;
  auto cell = [&](const ReportPage& page, int top, ReportLayout::Cell which) {
    ReportLayout::Column column = ColumnOf(layout, which);
    return LineAt(page, top, column.left, column.left + column.width);
  };
  using Cell = ReportLayout::Cell;
  EXPECT_EQ(cell(plc, row1, Cell::Message), "[001] TEMP 1111. C 222");
  EXPECT_EQ(cell(plc, row1, Cell::Data1Reg), "V100");
  EXPECT_EQ(cell(plc, row1, Cell::Data1Type), "BCD 16");
  EXPECT_EQ(cell(plc, row1, Cell::Access), "R/W");
  EXPECT_EQ(cell(plc, row1, Cell::Password), "R");  // the PLC's password register
  EXPECT_EQ(cell(plc, row1, Cell::DecimalPointReg), "V101");
  EXPECT_EQ(cell(plc, row1, Cell::Data2Reg), "V102");
  EXPECT_EQ(cell(plc, row1, Cell::Data2Type), "Binary 16");
  EXPECT_EQ(cell(plc, row1, Cell::Data3Type), "");
  const int row2 = row1 + 20;
  EXPECT_EQ(cell(plc, row2, Cell::Message), "[003] SPEED 11111111 33");
  EXPECT_EQ(cell(plc, row2, Cell::Data1Type), "BCD 32");
  EXPECT_EQ(cell(plc, row2, Cell::Access), "R");
  EXPECT_EQ(cell(plc, row2, Cell::Password), "");
  EXPECT_EQ(cell(plc, row2, Cell::Data3Reg), "V202");  // the address, not the tag name
  EXPECT_EQ(cell(plc, row2, Cell::Data3Type), "BCD 16");
  EXPECT_EQ(cell(plc, row2, Cell::Data2Type), "");

  ReportPage local = layout.Page(3);
  EXPECT_TRUE(Find(local, "Local Messages"));
  EXPECT_EQ(cell(local, row1, Cell::Message), "[+] SETTINGS");
  EXPECT_EQ(cell(local, row2, Cell::Message), "     LIMIT 11111");  // level 1: three spaces, then two
  EXPECT_EQ(cell(local, row2, Cell::Password), "L");
  EXPECT_EQ(cell(local, row2, Cell::Access), "W");
  // Rows at an even position in the panel's messages are shaded: the second and the fourth.
  auto shaded = [](const ReportPage& page, int top) {
    for (const ReportItem& item : page.items) {
      if (item.kind == Kind::Shade && item.top == top) return true;
    }
    return false;
  };
  EXPECT_FALSE(shaded(plc, row1));
  EXPECT_TRUE(shaded(plc, row2));
  EXPECT_FALSE(shaded(local, row1));
  EXPECT_TRUE(shaded(local, row2));
}

TEST(ReportLayoutTest, SetPointPanelHasNoButtonsAndAFixedDecimalsColumn) {
  TQMProject project = SinglePanel(kPanelQMSV);
  TQMPanel& panel = *project.CurrentPanel();
  TQMMessage& value = AddMessage(panel, 1, true, "FILL LEVEL");
  value.hasSetPoint = true;
  SetTarvoAddress(value.data1, "V100", kBinary32);
  value.data1.fixedDecimals = 2;
  TQMMessage& plain = AddMessage(panel, 2, true, "NO VALUE");
  plain.data1.fixedDecimals = -1;
  ReportLayout layout(project, "sv.lmx", kA4, FixedWidth);

  ReportPage first = layout.Page(1);
  EXPECT_TRUE(Find(first, "PanelType : "));
  EXPECT_TRUE(Find(first, "QMSV"));
  EXPECT_FALSE(Find(first, "Button(Bit Write)PLC Word : "));
  EXPECT_FALSE(Find(first, "LED(Bit Read)PLC Word : "));
  EXPECT_FALSE(Find(first, "BUTTON/ LED Information"));
  EXPECT_FALSE(Find(first, "F1:"));
  EXPECT_TRUE(Find(first, "Line 1 PLC :"));
  EXPECT_FALSE(Find(first, "Line 2 PLC :"));

  std::vector<std::string> headings;
  for (const ReportLayout::Column& column : layout.Columns())
    headings.push_back(column.heading);
  EXPECT_EQ(headings, (std::vector<std::string>{"", "Data 1 Reg", "Data Type", "R / W", "Dec Pt Reg ",
                                                "Fixed DP Pos"}));
  EXPECT_EQ(layout.Columns()[0].width, (826 - 2 * kM) * 390 / 1000);
  ReportPage page = layout.Page(2);
  ReportLayout::Column fixed = ColumnOf(layout, ReportLayout::Cell::FixedDecimals);
  ReportLayout::Column type = ColumnOf(layout, ReportLayout::Cell::Data1Type);
  const int row1 = kM + ReportLayout::kTableTop;
  EXPECT_EQ(LineAt(page, row1, fixed.left, fixed.left + fixed.width), "2");
  EXPECT_EQ(LineAt(page, row1, type.left, type.left + type.width), "Binary 32");
  EXPECT_EQ(LineAt(page, row1 + 20, fixed.left, fixed.left + fixed.width), "none");
  // No set point and no marker: no data item 1.
  EXPECT_EQ(LineAt(page, row1 + 20, type.left, type.left + type.width), "");
}

TEST(ReportLayoutTest, PanelWithoutMessagesPrintsPageOneOnly) {
  TQMProject project = SinglePanel(kPanelQM410);
  ReportLayout layout(project, "x.lmx", kA4, FixedWidth);
  EXPECT_EQ(layout.PageCount(), 1);
  EXPECT_TRUE(layout.PageStarts().empty());
  EXPECT_TRUE(Find(layout.Page(1), "Line 4 PLC :"));
  // A page beyond the report is the frame and its number only.
  EXPECT_EQ(Texts(layout.Page(2)).size(), 1u);
}

TEST(ReportLayoutTest, OnlyLocalMessagesStartOnPageTwoUnderLocalMessages) {
  TQMProject project = SinglePanel(kPanelQM210);
  AddMessage(*project.CurrentPanel(), 256, false, "MENU").isFolder = 1;
  AddMessage(*project.CurrentPanel(), 255, false, "ITEM").level = 1;
  ReportLayout layout(project, "x.lmx", kA4, FixedWidth);
  ASSERT_EQ(layout.PageCount(), 2);
  ReportPage page = layout.Page(2);
  const ReportItem* kind = Find(page, "Local Messages");
  ASSERT_TRUE(kind);
  EXPECT_TRUE(kind->font.bold);
  EXPECT_TRUE(kind->centred);
  EXPECT_EQ(kind->left, layout.Columns()[0].left);
  EXPECT_EQ(kind->right, layout.Columns()[0].left + layout.Columns()[0].width);
  EXPECT_EQ(kind->top, kM + 72);
  EXPECT_EQ(kind->bottom, kM + 145);
  EXPECT_FALSE(Find(page, "PLC Messages"));
  const int row1 = kM + ReportLayout::kTableTop;
  EXPECT_EQ(LineAt(page, row1, kM, layout.Columns()[1].left), "[+] MENU");
  EXPECT_EQ(LineAt(page, row1 + 20, kM, layout.Columns()[1].left), "     ITEM");
  EXPECT_TRUE(Find(page, "Single Panel System"));
  EXPECT_TRUE(Find(page, "QM210"));
}

TEST(ReportLayoutTest, AWideAddressWrapsAndTheWholeRowGrows) {
  TQMProject project = SinglePanel(kPanelQM210);
  TQMPanel& panel = *project.CurrentPanel();
  TQMMessage& wide = AddMessage(panel, 1, true, "LEVEL " + Markers(0xFF, 3));
  // 78 units of text width in the "Data 1 Reg" column hold 12 characters of 6.3 units.
  wide.data1.address = "N7:0/15.ACC.PRE.BIT";
  AddMessage(panel, 2, true, "NEXT");
  ReportLayout layout(project, "x.lmx", kA4, FixedWidth);
  ReportPage page = layout.Page(2);
  ReportLayout::Column reg = ColumnOf(layout, ReportLayout::Cell::Data1Reg);
  const int row1 = kM + ReportLayout::kTableTop;
  EXPECT_EQ(reg.width, (826 - 2 * kM) * 105 / 1000);
  EXPECT_EQ(LineAt(page, row1, reg.left, reg.left + reg.width), "N7:0/15.ACC.");
  EXPECT_EQ(LineAt(page, row1 + 20, reg.left, reg.left + reg.width), "PRE.BIT");
  // The next message starts below the continuation line, and the column lines reach the table's end.
  EXPECT_EQ(LineAt(page, row1 + 40, kM, reg.left), "[002] NEXT");
  int dividers = 0;
  for (const ReportItem& item : page.items) {
    if (item.kind == Kind::Line && item.left == item.right) {
      ++dividers;
      EXPECT_EQ(item.top, row1);
      EXPECT_EQ(item.bottom, row1 + 60);
    }
  }
  EXPECT_EQ(dividers, 8);
  // The second message (even) is shaded over its one line; the first, over two lines, is not.
  for (const ReportItem& item : page.items) {
    if (item.kind == Kind::Shade && item.top >= row1) {
      EXPECT_EQ(item.top, row1 + 40);
      EXPECT_EQ(item.bottom, row1 + 60);
    }
  }
}

TQMProject LongProject() {
  TQMProject project = SinglePanel(kPanelQM210);
  TQMPanel& panel = *project.CurrentPanel();
  for (int n = 1; n <= 120; ++n) {
    TQMMessage& message = AddMessage(panel, n, true, "MESSAGE " + Markers(0xFF, 3));
    message.data1.address = n % 7 == 0 ? "LONG.ADDRESS.THAT.WRAPS" : "V" + std::to_string(1000 + n);
  }
  AddMessage(panel, 256, false, "MENU").isFolder = 1;
  for (int n = 0; n < 60; ++n)
    AddMessage(panel, 255 - n, false, "ITEM").level = 1;
  return project;
}

TEST(ReportLayoutTest, PageRangesPrintAsWithinTheWholeReport) {
  TQMProject project = LongProject();
  ReportLayout whole(project, "x.lmx", kA4, FixedWidth);
  // A4: (1149 - 20 - 145) / 20 lines below the headings.
  EXPECT_EQ(whole.LinesPerPage(), 49);
  std::vector<ReportPage> pages;
  for (int n = 1; n <= 6; ++n)
    pages.push_back(whole.Page(n));
  int count = whole.PageCount();
  // 120 PLC messages (17 of them on two lines) fill 137 lines: three pages; the local ones start a page.
  EXPECT_EQ(count, 6);
  ASSERT_EQ(whole.PageStarts().size(), 5u);
  EXPECT_EQ(whole.PageStarts()[3], 120u);
  EXPECT_TRUE(Find(pages[4], "Local Messages"));
  EXPECT_TRUE(Find(pages[3], "PLC Messages"));

  ReportLayout range(project, "x.lmx", kA4, FixedWidth);
  ReportPage third = range.Page(3);
  ReportPage fourth = range.Page(4);
  EXPECT_EQ(third.items, pages[2].items);
  EXPECT_EQ(fourth.items, pages[3].items);
  ReportLayout backwards(project, "x.lmx", kA4, FixedWidth);
  EXPECT_EQ(backwards.Page(5).items, pages[4].items);
  EXPECT_EQ(backwards.Page(2).items, pages[1].items);

  // No row runs below the bottom margin.
  for (const ReportPage& page : pages) {
    for (const ReportItem& item : page.items) {
      if (item.kind == Kind::Shade || (item.kind == Kind::Line && item.left == item.right)) {
        EXPECT_LE(item.bottom, whole.Height() - kM);
      }
    }
  }
}

TEST(ReportLayoutTest, ColourAndMonochrome) {
  TQMProject project = SinglePanel(kPanelQM210);
  AddMessage(*project.CurrentPanel(), 1, true,
             "A" + Markers(0xFF, 2) + Markers(0xFC, 1) + Markers(0xFE, 1) + Markers(0xFD, 1));
  auto check = [&](bool colour) {
    ReportDevice device = kA4;
    device.colour = colour;
    ReportLayout layout(project, "x.lmx", device, FixedWidth);
    ReportPage page = layout.Page(2);
    std::map<std::string, ReportColour> headings;
    std::vector<std::pair<std::string, ReportColour>> markers;
    for (const ReportItem* item : Texts(page)) {
      if (item->vertical) {
        EXPECT_EQ(item->font, (ReportFont{12, true, false}));
        if (!headings.count(item->text)) headings[item->text] = item->colour;
      }
      if (item->font.underline) markers.emplace_back(item->text, item->colour);
    }
    ReportColour red = colour ? ReportColour::Red : ReportColour::Black;
    ReportColour blue = colour ? ReportColour::Blue : ReportColour::Black;
    ReportColour green = colour ? ReportColour::Green : ReportColour::Black;
    EXPECT_EQ(headings["Data 1 Reg"], red);
    EXPECT_EQ(headings["R / W"], red);
    EXPECT_EQ(headings["Dec Pt Reg "], red);
    EXPECT_EQ(headings["Data 2 Reg"], blue);
    EXPECT_EQ(headings["Data 3 Reg"], green);
    using Runs = std::vector<std::pair<std::string, ReportColour>>;
    if (colour) {
      EXPECT_EQ(markers, (Runs{{"11.", red}, {"2", blue}, {"3", green}}));
    } else {
      EXPECT_EQ(markers, (Runs{{"11.23", ReportColour::Black}}));
    }
  };
  check(true);
  check(false);
}

TEST(ReportLayoutTest, MultiPanelProjectReportsTheSelectedPort) {
  TQMProject project = testing::MakeMultiplexerProject({});
  project.multiplexer.selectedPort = 5;
  ReportLayout layout(project, "m.lmx", kA4, FixedWidth);
  ReportPage first = layout.Page(1);
  EXPECT_TRUE(Find(first, "Lumora Operator Interface Panel(s) Project Documentation"));
  EXPECT_TRUE(Find(first, "Multiple Panel System"));
  EXPECT_FALSE(Find(first, "PanelType : "));
  EXPECT_FALSE(Find(first, "BUTTON/ LED Information"));  // a QMSV
  ReportPage messages = layout.Page(2);
  EXPECT_FALSE(Find(messages, "Single Panel System"));
  EXPECT_TRUE(Find(messages, "QMSV"));
  EXPECT_TRUE(Find(messages, "Fixed DP Pos"));
}

TEST(ReportLayoutTest, LandscapeColumnsFillTheWidthBetweenTheMargins) {
  for (int type : {kPanelQM210, kPanelQM210K, kPanelQMSV}) {
    TQMProject project = SinglePanel(type);
    ReportLayout layout(project, "x.lmx", ReportDevice{297, 210, true, true}, FixedWidth);
    const ReportLayout::Column& last = layout.Columns().back();
    int available = layout.Width() - 2 * kM;
    EXPECT_LE(last.left + last.width, layout.Width() - kM) << type;
    EXPECT_GE(last.left + last.width, layout.Width() - kM - static_cast<int>(layout.Columns().size())) << type;
    // The message column keeps its landscape share relative to the others.
    int message = layout.Columns()[0].width;
    int share = type == kPanelQM210 ? 300 : type == kPanelQM210K ? 320 : 390;
    EXPECT_EQ(message, available * share / (type == kPanelQMSV ? 1000 : 1120)) << type;
  }
}

}  // namespace
}  // namespace lumora
