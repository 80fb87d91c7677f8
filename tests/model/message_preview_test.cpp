#include "model/message_preview.h"

#include <gtest/gtest.h>

#include "model/codes.h"
#include "model/message.h"

namespace lumora {
namespace {

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

TQMMessage Message(const std::string& text) {
  TQMMessage message;
  message.text = text;
  return message;
}

TEST(MessagePreviewTest, DataPositionsShowRightAlignedSampleValues) {
  TQMMessage message = Message("LEVEL " + Markers(0xFF, 6) + " %  " + Markers(0xFE, 3) + Markers(0xFD, 1));
  EXPECT_EQ(MessagePreviewLine(message, kPanelQM210), "LEVEL   1234 %  2343");
  message.leadingZeros = {true, false, false};
  EXPECT_EQ(MessagePreviewLine(message, kPanelQM410), "LEVEL 001234 %  2343");
  // Ten positions still show the four-digit sample; the width counts, not where the positions stand.
  EXPECT_EQ(MessagePreviewLine(Message(Markers(0xFE, 2) + "-" + Markers(0xFE, 3)), kPanelQM210G),
            " 2-345              ");
  EXPECT_EQ(MessagePreviewLine(Message(Markers(0xFF, 10)), kPanelQM210K), "      1234          ");
}

TEST(MessagePreviewTest, DecimalPointWhereThePanelPutsIt) {
  TQMMessage message = Message("T=" + Markers(0xFF, 6) + "C");
  message.data1.fixedDecimals = 2;
  EXPECT_EQ(MessagePreviewLine(message, kPanelQM210), "T= 12.34C           ");
  message.leadingZeros[0] = true;
  EXPECT_EQ(MessagePreviewLine(message, kPanelQM210), "T=012.34C           ");
  // The PLC-controlled point has a position of its own; a fixed count is then not used.
  TQMMessage variable = Message("T=" + Markers(0xFF, 4) + "\xFC" "C");
  variable.data1.variableDecimal = true;
  variable.data1.fixedDecimals = 2;
  EXPECT_EQ(MessagePreviewLine(variable, kPanelQM210), "T=1234.C            ");
  // A typed "." in item 2 is an ordinary character.
  EXPECT_EQ(MessagePreviewLine(Message(Markers(0xFE, 2) + "." + Markers(0xFE, 1)), kPanelQM210),
            "23.4                ");
}

TEST(MessagePreviewTest, SamplesThatDoNotFitShowTheirRightEnd) {
  EXPECT_EQ(DataItemSample(1, 2, 0, false), "12");
  EXPECT_EQ(DataItemSample(3, 1, 0, true), "3");
  EXPECT_EQ(DataItemSample(1, 3, 2, false), ".23");
  EXPECT_EQ(DataItemSample(1, 4, 3, false), ".234");
  EXPECT_EQ(DataItemSample(1, 5, 3, true), "1.234");
  EXPECT_EQ(DataItemSample(2, 8, 1, true), "000234.5");
  EXPECT_EQ(DataItemSample(2, 0, 0, false), "");
}

TEST(MessagePreviewTest, FoldersAndLineWidths) {
  TQMMessage folder = Message("SETTINGS");
  folder.isFolder = 1;
  EXPECT_EQ(MessagePreviewLine(folder, kPanelQM210), "+SETTINGS           ");
  folder.text = std::string(19, 'F');
  EXPECT_EQ(MessagePreviewLine(folder, kPanelQM410), "+" + std::string(19, 'F'));
  // The set-point panel's line is 16 characters; longer texts are cut.
  EXPECT_EQ(MessagePreviewLine(Message("OVEN TEMPERATURE SET"), kPanelQMSV), "OVEN TEMPERATURE");
  EXPECT_EQ(MessagePreviewLine(Message(""), kPanelQM210), std::string(20, ' '));
  // What the panel cannot show.
  EXPECT_EQ(MessagePreviewLine(Message("90\xB0" "C\t!"), kPanelQMSV), "90?C?!          ");
}

}  // namespace
}  // namespace lumora
