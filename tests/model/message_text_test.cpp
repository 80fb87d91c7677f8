#include <gtest/gtest.h>

#include "model/editing_rules.h"
#include "model/message_text.h"
#include "model/project.h"

namespace lumora {
namespace {

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

TEST(MessageTextTest, DisplayFormShowsMarkersAsDigitsAndPoint) {
  std::string text = "T=" + Markers(0xFF, 3) + "\xFC" + Markers(0xFF, 1) + " " + Markers(0xFE, 2) + "/" +
                     Markers(0xFD, 1) + ".";
  EXPECT_EQ(MessageDisplayText(text), "T=111.1 22/3.");
  EXPECT_EQ(DataItemWidth(text, 1), 4);
  EXPECT_EQ(DataItemWidth(text, 2), 2);
  EXPECT_EQ(DataItemWidth(text, 4), 0);
  EXPECT_TRUE(MessageHasDataItem(text, 3));
  EXPECT_FALSE(MessageHasDataItem("plain . text", 1));
}

TEST(MessageTextTest, LengthLimits) {
  EXPECT_EQ(MessageLengthLimit(kPanelQM210, false), 20);
  EXPECT_EQ(MessageLengthLimit(kPanelQM410, true), 19);
  EXPECT_EQ(MessageLengthLimit(kPanelQMSV, false), 16);
}

TEST(MessageTextTest, DecimalPointFollowsTheLastDigitOfItemOne) {
  std::string misplaced = "\xFC" + Markers(0xFF, 2) + "A" + Markers(0xFF, 1) + "B";
  EXPECT_EQ(PlaceDecimalPoint(misplaced), Markers(0xFF, 2) + "A" + Markers(0xFF, 1) + "\xFC" + "B");
  EXPECT_EQ(PlaceDecimalPoint("AB\xFC" + Markers(0xFE, 2)), "AB" + Markers(0xFE, 2));
  EXPECT_EQ(PlaceDecimalPoint("plain."), "plain.");

  std::string text = "V " + Markers(0xFF, 3);
  EXPECT_EQ(InsertDecimalPoint(text, 20), "");
  EXPECT_EQ(text, "V " + Markers(0xFF, 3) + "\xFC");
  EXPECT_EQ(RemoveDecimalPoint(text), "V " + Markers(0xFF, 3));
  std::string full(19, 'x');
  full += Markers(0xFF, 1);
  EXPECT_EQ(InsertDecimalPoint(full, 20), "Error Z005:  The Maximum message length has exceeded.");
  EXPECT_EQ(full.size(), 20u);
}

TEST(MessageTextTest, WidthCheckNamesTheLimitAndTheItem) {
  std::string six = Markers(0xFF, 6);
  EXPECT_FALSE(CheckDataItemWidth(six, 1, kBinary32));
  EXPECT_EQ(CheckDataItemWidth(six, 1, kBcd16)->text,
            "Maximum 5  \"DATA SET 1\" can be defined with selected data type");
  EXPECT_EQ(CheckDataItemWidth(Markers(0xFD, 9), 3, kBcd32)->text,
            "Maximum 8  \"DATA SET 3\" can be defined with selected data type");
  EXPECT_FALSE(CheckDataItemWidth(Markers(0xFE, 10), 2, kBinary32));
}

TEST(MessageTextTest, DecimalPointTexts) {
  TQMReadWriteTag tag;
  EXPECT_EQ(DecimalPointText(tag), "none");
  tag.fixedDecimals = 2;
  EXPECT_EQ(DecimalPointText(tag), "Fixed - 2");
  tag.variableDecimal = true;
  EXPECT_EQ(DecimalPointText(tag), "Variable");
  EXPECT_STREQ(AccessListText(kReadOnly), "Read only");
  EXPECT_STREQ(AccessListText(kReadWrite), "Read/Write");
}

}  // namespace
}  // namespace lumora
