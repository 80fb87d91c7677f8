#include <gtest/gtest.h>

#include <cstdio>

#include "link/firmware_image.h"

namespace lumora {
namespace {

std::string HexRecord(int address, int type, const std::vector<uint8_t>& data) {
  char text[600];
  int sum = static_cast<int>(data.size()) + (address >> 8) + (address & 0xFF) + type;
  int at =
      std::snprintf(text, sizeof text, ":%02X%04X%02X", static_cast<unsigned>(data.size()), address, type);
  for (uint8_t byte : data) {
    at += std::snprintf(text + at, sizeof text - static_cast<size_t>(at), "%02X", byte);
    sum += byte;
  }
  std::snprintf(text + at, sizeof text - static_cast<size_t>(at), "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
  return text;
}

std::string SRecord(char type, long address, int addressBytes, const std::vector<uint8_t>& data) {
  char text[600];
  int count = static_cast<int>(data.size()) + addressBytes + 1;
  int sum = count;
  int at = std::snprintf(text, sizeof text, "S%c%02X", type, count);
  for (int i = addressBytes - 1; i >= 0; --i) {
    int byte = static_cast<int>((address >> (8 * i)) & 0xFF);
    at += std::snprintf(text + at, sizeof text - static_cast<size_t>(at), "%02X", byte);
    sum += byte;
  }
  for (uint8_t byte : data) {
    at += std::snprintf(text + at, sizeof text - static_cast<size_t>(at), "%02X", byte);
    sum += byte;
  }
  std::snprintf(text + at, sizeof text - static_cast<size_t>(at), "%02X\r\n", (~sum) & 0xFF);
  return text;
}

std::vector<uint8_t> Bytes(int count, uint8_t first) {
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(first + i);
  return bytes;
}

const std::string kEnd = ":00000001FF\r\n";

TEST(IntelHexTest, GapsAreFilledWithTheErasedValue) {
  std::string file = HexRecord(0x8000, 0, Bytes(16, 1)) + HexRecord(0x8020, 0, Bytes(16, 100)) + kEnd;
  TQMExec exec(file, 0x8000);
  ASSERT_TRUE(exec.IsValid());
  const auto& image = exec.GetImage();
  ASSERT_EQ(image.size(), 48u);
  EXPECT_EQ(image[0], 1);
  for (int i = 16; i < 32; ++i)
    EXPECT_EQ(image[static_cast<size_t>(i)], 0xFF);
  EXPECT_EQ(image[32], 100);

  TQMExec late(HexRecord(0x8004, 0, Bytes(2, 9)) + kEnd, 0x8000);
  ASSERT_TRUE(late.IsValid());
  EXPECT_EQ(late.GetImage(), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 9, 10}));
}

TEST(IntelHexTest, MalformedFilesGiveNoImage) {
  std::string good = HexRecord(0, 0, Bytes(4, 0));
  TQMExec noEnd(good, 0);
  EXPECT_FALSE(noEnd.IsValid());
  EXPECT_TRUE(noEnd.GetImage().empty());

  std::string bad = good;
  bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';  // checksum
  EXPECT_FALSE(TQMExec(bad + kEnd, 0).IsValid());
  EXPECT_FALSE(TQMExec("garbage\r\n" + kEnd, 0).IsValid());
  EXPECT_FALSE(TQMExec(good + "\r\n" + kEnd, 0).IsValid());  // an empty line before the end record
  EXPECT_FALSE(TQMExec(":10000000\r\n", 0).IsValid());       // shorter than its count
  EXPECT_FALSE(TQMExec("", 0).IsValid());

  // Records that go backwards, or lie below the base, cannot be placed.
  EXPECT_FALSE(TQMExec(HexRecord(0x10, 0, Bytes(4, 0)) + HexRecord(0x8, 0, Bytes(4, 0)) + kEnd, 0).IsValid());
  EXPECT_FALSE(TQMExec(HexRecord(0x100, 0, Bytes(4, 0)) + kEnd, 0x8000).IsValid());
}

TEST(IntelHexTest, DigitsFollowTheCodeMinus55Rule) {
  EXPECT_EQ(HexDigitValue('7'), 7);
  EXPECT_EQ(HexDigitValue('A'), 10);
  EXPECT_EQ(HexDigitValue('f'), 15);
  EXPECT_EQ(HexDigitValue('G'), 16);
  std::string lower = HexRecord(0, 0, {0xAB, 0xCD}) + kEnd;
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  TQMExec exec(lower, 0);
  ASSERT_TRUE(exec.IsValid());
  EXPECT_EQ(exec.GetImage(), (std::vector<uint8_t>{0xAB, 0xCD}));
  // Any other record type ends the reading after its data.
  TQMExec extended(HexRecord(0, 0, {1}) + HexRecord(0, 4, {0x12, 0x34}) + "not read\r\n", 0);
  ASSERT_TRUE(extended.IsValid());
  EXPECT_EQ(extended.GetImage(), (std::vector<uint8_t>{1, 0x12, 0x34}));
}

TEST(SRecordTest, MultiplexerFirmwareStartsAtTheStartAddress) {
  std::string file = "S00600004844521B\r\n\r\n" + SRecord('2', 0x10000, 3, Bytes(8, 1)) + "S5030001FB\r\n" +
                     SRecord('2', 0x10010, 3, Bytes(4, 50)) + "S804010000FA\r\n";
  TQMMuxExec exec(file, 0x10000);
  ASSERT_TRUE(exec.IsValid());
  const auto& image = exec.GetImage();
  ASSERT_EQ(image.size(), 20u);
  EXPECT_EQ(image[7], 8);
  EXPECT_EQ(image[8], 0xFF);
  EXPECT_EQ(image[16], 50);

  std::string late = SRecord('2', 0x10010, 3, Bytes(4, 1));
  EXPECT_FALSE(TQMMuxExec(late, 0x10000).IsValid());
  // Read from any other start only the gap rule applies; a record below the start cannot be placed.
  EXPECT_FALSE(TQMMuxExec(late, 0x210000).IsValid());
  TQMMuxExec gap(SRecord('3', 0x210010, 4, Bytes(2, 7)), 0x210000);
  ASSERT_TRUE(gap.IsValid());
  EXPECT_EQ(gap.GetImage().size(), 18u);
}

TEST(SRecordTest, MalformedRecords) {
  std::string good = SRecord('2', 0x10000, 3, Bytes(4, 1));
  EXPECT_TRUE(TQMMuxExec(SRecord('1', 0x1234, 2, Bytes(4, 1)), 0x1234).IsValid());
  EXPECT_TRUE(TQMMuxExec(good, 0x10000).IsValid());
  std::string bad = good;
  bad[bad.size() - 3] ^= 1;
  EXPECT_FALSE(TQMMuxExec(bad, 0x10000).IsValid());
  std::string lower = good;
  lower[0] = 's';
  EXPECT_FALSE(TQMMuxExec(lower, 0x10000).IsValid());
  EXPECT_FALSE(TQMMuxExec("S2\r\n", 0x10000).IsValid());
  EXPECT_FALSE(TQMMuxExec("SA0500000000FA\r\n", 0x10000).IsValid());
  EXPECT_FALSE(TQMMuxExec(SRecord('2', 0x10008, 3, {1}) + SRecord('2', 0x10000, 3, {1}), 0x10008).IsValid());
  // A gap larger than any image.
  EXPECT_FALSE(
      TQMMuxExec(SRecord('2', 0x10000, 3, {1}) + SRecord('3', 0x7F000000, 4, {1}), 0x10000).IsValid());
  // Comment lines are skipped.
  EXPECT_TRUE(TQMMuxExec("; a comment\r\n" + good, 0x10000).IsValid());
}

}  // namespace
}  // namespace lumora
