#include "model/set_point_list.h"

#include <gtest/gtest.h>

#include "model/message_preview.h"
#include "model/project.h"

namespace lumora {
namespace {

TEST(SetPointBoxesTest, TheDataTypeBoxMapsPositionsAndTypesBothWays) {
  const int types[] = {kBcd16, kBcd32, kBinary16, kBinary32};
  for (int position = 0; position < 4; ++position) {
    EXPECT_EQ(SetPointTypeFromPosition(position), types[position]);
    EXPECT_EQ(SetPointPositionFromType(types[position]), position);
  }
  EXPECT_EQ(SetPointTypeFromPosition(-1), kBcd16);  // no selection
  EXPECT_EQ(SetPointTypeFromPosition(7), kBinary32);
  EXPECT_EQ(DecimalBoxText(0), "None");
  EXPECT_EQ(DecimalBoxText(7), "Fixed - 7");
  EXPECT_EQ(DecimalBoxText(8), "Variable");

  TQMReadWriteTag data;
  EXPECT_EQ(DecimalBoxPosition(data), 0);  // -1: none
  EXPECT_EQ(SetPointDecimalText(data), "none");
  data.fixedDecimals = 4;
  EXPECT_EQ(DecimalBoxPosition(data), 4);
  EXPECT_EQ(SetPointDecimalText(data), "Fixed - 4");
  data.variableDecimal = true;
  EXPECT_EQ(DecimalBoxPosition(data), 8);
  EXPECT_EQ(SetPointDecimalText(data), "Variable");
  EXPECT_EQ(SetPointNumberText(7), "007");
  EXPECT_EQ(SetPointAccessText(kReadOnly), "Read only");
  EXPECT_EQ(SetPointAccessText(kReadWrite), "Read/Write");
}

TEST(SetPointBoxesTest, LimitsAndNumbersAreCheckedAgainstThePanel) {
  EXPECT_FALSE(CheckSetPointLimits(kPanelQMSV, kBinary32, 0, 99999999));
  auto tooBig = CheckSetPointLimits(kPanelQMSV, kBinary32, 0, 4294967295LL);
  ASSERT_TRUE(tooBig);
  EXPECT_TRUE(tooBig->onMaximum);
  EXPECT_EQ(tooBig->text, "Please enter a number between 0 and 99999999");
  auto crossed = CheckSetPointLimits(kPanelQMSV, kBcd16, 50, 40);
  ASSERT_TRUE(crossed);
  EXPECT_EQ(crossed->text, "Please enter a number between 50 and 9999");
  auto minimum = CheckSetPointLimits(kPanelQMSV, kBinary16, 65536, 65535);
  ASSERT_TRUE(minimum);
  EXPECT_FALSE(minimum->onMaximum);
  EXPECT_EQ(minimum->text, "Please enter a number between 0 and 65535");

  EXPECT_EQ(ParseSetPointNumber("1"), 1);
  EXPECT_EQ(ParseSetPointNumber(" 256 "), 256);
  EXPECT_EQ(ParseSetPointNumber("007"), 7);
  for (const char* bad : {"", "0", "257", "-1", "1a", "9999999999999"}) EXPECT_FALSE(ParseSetPointNumber(bad)) << bad;
}

TEST(SetPointBoxesTest, ThePreviewValueIsTheMaximumWithItsFixedDecimalPoint) {
  TQMReadWriteTag data;
  data.maxValue = 1250;
  EXPECT_EQ(SetPointPreviewValue(data), "1250");
  data.fixedDecimals = 2;
  EXPECT_EQ(SetPointPreviewValue(data), "12.50");
  data.fixedDecimals = 6;
  EXPECT_EQ(SetPointPreviewValue(data), "0.001250");
  data.variableDecimal = true;
  EXPECT_EQ(SetPointPreviewValue(data), "1250");
}

class SetPointListTest : public ::testing::Test {
 protected:
  SetPointListTest() { panel = &project.AddPanel(kPanelQMSV, 1); }
  void Add(int number) {
    TQMMessage message(&project, panel);
    message.number = number;
    message.hasSetPoint = true;
    panel->messages.push_back(message);
  }
  TQMProject project;
  TQMPanel* panel;
};

TEST_F(SetPointListTest, StoreUpdatesInPlaceOrAppendsAndThePanelGetsThemSorted) {
  Add(9);
  Add(4);
  SetPointList list(*panel);
  TQMMessage changed = list.At(1);
  changed.text = "NEW TEXT";
  auto stored = list.Store(changed);
  EXPECT_FALSE(stored.appended);
  EXPECT_EQ(stored.index, 1);
  TQMMessage fresh;
  fresh.number = 2;
  fresh.level = 3;
  stored = list.Store(fresh);
  EXPECT_TRUE(stored.appended);
  EXPECT_EQ(stored.index, 2);
  EXPECT_EQ(list.At(2).isPlcMessage, 1);
  EXPECT_EQ(list.At(2).level, 0);
  EXPECT_EQ(panel->messages.size(), 2u);  // the panel changes only when stored

  list.StoreInto(*panel);
  ASSERT_EQ(panel->messages.size(), 3u);
  EXPECT_EQ(panel->messages[0].number, 2);
  EXPECT_EQ(panel->messages[1].text, "NEW TEXT");
  EXPECT_EQ(panel->messages[2].number, 9);
  EXPECT_EQ(panel->messages[0].panel, panel);
  EXPECT_EQ(panel->firstLocalNumber, 2);

  EXPECT_TRUE(list.Remove(9));
  EXPECT_FALSE(list.Remove(9));
  EXPECT_TRUE(list.Remove(4));
  EXPECT_TRUE(list.Remove(2));
  list.StoreInto(*panel);
  EXPECT_TRUE(panel->messages.empty());
  EXPECT_EQ(panel->firstLocalNumber, 0);
}

TEST_F(SetPointListTest, APastedMessageTakesTheFirstFreeNumberAbove) {
  SetPointList empty(*panel);
  EXPECT_EQ(empty.PasteNumber(std::nullopt), 1);
  Add(3);
  Add(4);
  Add(1);
  SetPointList list(*panel);
  EXPECT_EQ(list.PasteNumber(3), 5);         // above the selected row
  EXPECT_EQ(list.PasteNumber(std::nullopt), 2);  // above the last row (1)
  EXPECT_EQ(list.PasteNumber(255), 256);
  EXPECT_EQ(list.PasteNumber(256), std::nullopt);
}

}  // namespace
}  // namespace lumora
