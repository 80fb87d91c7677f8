#include "report/address_list_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/project.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

double FixedWidth(std::string_view text, const ReportFont& font) {
  return static_cast<double>(text.size()) * font.points * 0.7;
}

const ReportDevice kA4{210, 297, false, true};

std::vector<std::string> TextsOf(const ReportPage& page) {
  std::vector<std::string> texts;
  for (const ReportItem& item : page.items) {
    if (item.kind == ReportItem::Kind::Text && !item.text.empty()) texts.push_back(item.text);
  }
  return texts;
}

TEST(AddressListLayoutTest, HeadingBlockOfAKeypadPanel) {
  TQMProject project = testing::MakeKeypadProject({});
  project.fileName = "/projects/plant.lmx";
  AddressListLayout layout(project, *project.CurrentPanel(), kA4, FixedWidth);
  using Line = std::pair<std::string, std::string>;
  EXPECT_EQ(layout.HeadingLines(),
            (std::vector<Line>{{"Project Name : ", "/projects/plant.lmx"},
                               {"Project PLC(s)/Controller(s) : ", "Tarvo DL-205"},
                               {"Line 1 :", "V2010"},
                               {"Line 2 :", "V2011"},
                               {"Bit Write(Button's) :", "V2001"},
                               {"Bit Read(LED's) :", "V2000"},
                               {"Bit Read (Annunciator Lights) :", "V2002"},
                               {"PLC Register :", "V2020"},
                               {"Local Password :", "4321"}}));
  ASSERT_EQ(layout.PageCount(), 1);
  std::vector<std::string> texts = TextsOf(layout.Page(1));
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Used in Message #"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "LOCAL"), texts.end());
}

TEST(AddressListLayoutTest, SetPointPanelHasNoButtonOrPasswordLines) {
  TQMProject project = testing::MakeMultiplexerProject({});
  project.multiplexer.selectedPort = 5;
  AddressListLayout layout(project, *project.CurrentPanel(), kA4, FixedWidth);
  ASSERT_EQ(layout.HeadingLines().size(), 3u);
  EXPECT_EQ(layout.HeadingLines()[2].first, "Line 1 :");
}

TEST(AddressListLayoutTest, LongListsContinueOnPagesWithTheirHeadings) {
  TQMProject project = testing::MakeMaximalProject({});
  const TQMPanel& panel = *project.FindPanel(1);
  AddressListLayout layout(project, panel, kA4, FixedWidth);
  const size_t rows = ListMessageAddresses(panel).size();
  ASSERT_EQ(rows, 768u);
  int pages = layout.PageCount();
  // 42 rows below the heading block of page 1, 52 on each further page.
  EXPECT_EQ(pages, 15);
  std::set<std::string> items;
  for (int n = 1; n <= pages; ++n) {
    ReportPage page = layout.Page(n);
    std::vector<std::string> texts = TextsOf(page);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Function"), 1) << n;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Project Name : "), n == 1 ? 1 : 0) << n;
    EXPECT_EQ(texts.back(), std::to_string(n));
    for (const ReportItem& item : page.items) {
      if (item.kind != ReportItem::Kind::Text || item.centred) continue;
      // Rows stay clear of the page number's band.
      EXPECT_LE(item.bottom, 1149 - 20 - AddressListLayout::kMargin);
      if (item.left == AddressListLayout::kMargin + 33 && item.text != "Item")
        items.insert(item.text);
    }
  }
  // Every row once, in one of the pages.
  EXPECT_EQ(items.size(), rows);
  EXPECT_TRUE(items.count("1"));
  EXPECT_TRUE(items.count("768"));
}

}  // namespace
}  // namespace lumora
