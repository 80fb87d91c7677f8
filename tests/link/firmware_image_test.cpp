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
const std::string kS9 = "S9030000FC\r\n";

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

  // Characters that are no digits make the file invalid even when the checksum fits: "GZ" reads as
  // 16 * 16 + 35, i.e. 0x23.
  std::string letters = HexRecord(0, 0, {0x01, 0x23}) + kEnd;
  ASSERT_TRUE(TQMExec(letters, 0).IsValid());
  letters.replace(11, 2, "GZ");
  EXPECT_FALSE(TQMExec(letters, 0).IsValid());
  std::string quoted = HexRecord(0, 0, {0x01}) + kEnd;
  quoted.replace(9, 1, "'");  // "'1" reads as 0x01 by the digit rule
  EXPECT_FALSE(TQMExec(quoted, 0).IsValid());
  // A byte beyond the count before the checksum, which covers the counted bytes only.
  EXPECT_FALSE(TQMExec(":010000000177FE\r\n" + kEnd, 0).IsValid());
  EXPECT_TRUE(TQMExec(":0100000001FE\r\n" + kEnd, 0).IsValid());
}

TEST(IntelHexTest, RecordsOtherThanDataAndEnd) {
  std::vector<uint8_t> expected = {1, 2, 0xFF, 0xFF, 5, 6};
  // Zero extended addresses, as tools write them first, and start addresses anywhere change nothing.
  std::string file = HexRecord(0, 4, {0, 0}) + HexRecord(0, 2, {0, 0}) + HexRecord(0x8000, 0, {1, 2}) +
                     HexRecord(0, 5, {0x12, 0x34, 0x56, 0x78}) + HexRecord(0, 4, {0, 0}) +
                     HexRecord(0, 3, {0x00, 0x00, 0x80, 0x00}) + HexRecord(0x8004, 0, {5, 6}) + kEnd;
  TQMExec exec(file, 0x8000);
  ASSERT_TRUE(exec.IsValid());
  EXPECT_EQ(exec.GetImage(), expected);

  // Any other extended address lies outside the 16-bit image, wherever it stands.
  for (int type : {2, 4}) {
    std::string middle =
        HexRecord(0x8000, 0, {1, 2}) + HexRecord(0, type, {0, 1}) + HexRecord(0x8004, 0, {5, 6}) + kEnd;
    TQMExec extended(middle, 0x8000);
    EXPECT_FALSE(extended.IsValid()) << type;
    EXPECT_TRUE(extended.GetImage().empty());
    EXPECT_FALSE(TQMExec(HexRecord(0, type, {0x10, 0}) + HexRecord(0x8000, 0, {1}) + kEnd, 0x8000).IsValid());
    EXPECT_FALSE(TQMExec(HexRecord(0, type, {0}) + HexRecord(0x8000, 0, {1}) + kEnd, 0x8000).IsValid());
  }
  EXPECT_FALSE(TQMExec(HexRecord(0x8000, 0, {1}) + HexRecord(0, 6, {1}) + kEnd, 0x8000).IsValid());

  // Nothing to load: the end record alone, or with start and zero extended addresses only.
  EXPECT_FALSE(TQMExec(kEnd, 0).IsValid());
  TQMExec onlyRecordsWithoutData(HexRecord(0, 4, {0, 0}) + HexRecord(0, 5, {0, 0, 0, 0}) + kEnd, 0);
  EXPECT_FALSE(onlyRecordsWithoutData.IsValid());
  EXPECT_TRUE(onlyRecordsWithoutData.GetImage().empty());
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

  std::string late = SRecord('2', 0x10010, 3, Bytes(4, 1)) + kS9;
  EXPECT_FALSE(TQMMuxExec(late, 0x10000).IsValid());
  // Read from any other start only the gap rule applies; a record below the start cannot be placed.
  EXPECT_FALSE(TQMMuxExec(late, 0x210000).IsValid());
  TQMMuxExec gap(SRecord('3', 0x210010, 4, Bytes(2, 7)) + kS9, 0x210000);
  ASSERT_TRUE(gap.IsValid());
  EXPECT_EQ(gap.GetImage().size(), 18u);
}

TEST(SRecordTest, MalformedRecords) {
  std::string good = SRecord('2', 0x10000, 3, Bytes(4, 1));
  EXPECT_TRUE(TQMMuxExec(SRecord('1', 0x1234, 2, Bytes(4, 1)) + kS9, 0x1234).IsValid());
  EXPECT_TRUE(TQMMuxExec(good + kS9, 0x10000).IsValid());
  std::string bad = good;
  bad[bad.size() - 3] ^= 1;
  EXPECT_FALSE(TQMMuxExec(bad + kS9, 0x10000).IsValid());
  std::string lower = good;
  lower[0] = 's';
  EXPECT_FALSE(TQMMuxExec(lower + kS9, 0x10000).IsValid());
  EXPECT_FALSE(TQMMuxExec("S2\r\n" + kS9, 0x10000).IsValid());
  EXPECT_FALSE(TQMMuxExec("SA0500000000FA\r\n" + kS9, 0x10000).IsValid());
  EXPECT_FALSE(
      TQMMuxExec(SRecord('2', 0x10008, 3, {1}) + SRecord('2', 0x10000, 3, {1}) + kS9, 0x10008).IsValid());
  // A gap larger than any image.
  EXPECT_FALSE(
      TQMMuxExec(SRecord('2', 0x10000, 3, {1}) + SRecord('3', 0x7F000000, 4, {1}) + kS9, 0x10000).IsValid());
  // Comment lines are skipped.
  EXPECT_TRUE(TQMMuxExec("; a comment\r\n" + good + kS9, 0x10000).IsValid());
}

// Data records of `records` x `size` bytes from `address` on, as tools write them one after the other.
std::string HexData(int address, int records, int size) {
  std::string text;
  for (int i = 0; i < records; ++i)
    text += HexRecord(address + i * size, 0, Bytes(size, static_cast<uint8_t>(i)));
  return text;
}
std::string SData(long address, int records, int size) {
  std::string text;
  for (int i = 0; i < records; ++i)
    text += SRecord('2', address + i * size, 3, Bytes(size, static_cast<uint8_t>(i)));
  return text;
}

// How a file ends decides whether it is loaded at all: a file cut short, or one with records beyond its
// end, is never loaded in part.
TEST(FirmwareFileTest, FilesAreLoadedWholeOrNotAtAll) {
  const std::string header = "S00600004844521B\r\n";
  const std::string data = SData(0x10000, 2, 32);
  // The way srec_cat writes a file when no execution start address is given: a header, data records of
  // the narrowest address width that holds them, a count record and no termination record; LF endings.
  auto srecCatFile = [](int lost) {
    std::string text = "S00600004844521B\n";
    for (int i = 0; i < 4; ++i) {
      std::string record = SRecord('2', 0x10000 + i * 32, 3, Bytes(32, static_cast<uint8_t>(i * 32)));
      if (i != lost) text += record.substr(0, record.size() - 2) + "\n";
    }
    return text + SRecord('5', 4, 2, {}).substr(0, 10) + "\n";
  };
  const std::string srecCat = srecCatFile(-1);
  struct Case {
    const char* name;
    bool intelHex;
    std::string text;
    size_t imageSize;  // 0: invalid
  };
  const Case cases[] = {
      {"end record last", true, HexData(0, 5, 32) + kEnd, 160},
      {"blank lines and a DOS end mark after the end record", true, HexData(0, 5, 32) + kEnd + "\r\n \r\n\x1A", 160},
      {"data records after the end record", true, HexData(0, 5, 32) + kEnd + HexData(160, 375, 32) + kEnd, 0},
      {"a second end record", true, HexData(0, 5, 32) + kEnd + kEnd, 0},
      {"text after the end record", true, HexData(0, 5, 32) + kEnd + "garbage\r\n", 0},

      {"S7 termination", false, header + data + "S70500000000FA\r\n", 64},
      {"S8 termination", false, header + data + "S804000000FB\r\n", 64},
      {"S9 termination, then blank and comment lines", false, header + data + kS9 + "\r\n; end\r\n", 64},
      {"srec_cat without a start address", false, srecCat, 128},
      {"count record, then termination", false, header + data + SRecord('5', 2, 2, {}) + kS9, 64},
      {"24-bit count record", false, header + data + SRecord('6', 2, 3, {}), 64},
      {"a count of the records so far, more data and the full count", false,
       SData(0x10000, 1, 32) + SRecord('5', 1, 2, {}) + SRecord('2', 0x10020, 3, Bytes(32, 1)) +
           SRecord('5', 2, 2, {}),
       64},
      {"cut before the end", false, header + data, 0},
      {"cut between data records", false, header + SData(0x10000, 1, 32), 0},
      {"empty file", false, "", 0},
      {"count one short", false, header + data + SRecord('5', 1, 2, {}), 0},
      {"count one too many", false, header + data + SRecord('5', 3, 2, {}), 0},
      {"wrong count before a termination record", false, header + data + SRecord('5', 3, 2, {}) + kS9, 0},
      {"srec_cat file with a record lost", false, srecCatFile(2), 0},
      {"data after the count record", false, SData(0x10000, 1, 32) + SRecord('5', 1, 2, {}) +
                                                 SRecord('2', 0x10020, 3, Bytes(32, 1)),
       0},
      {"termination record in the middle", false, header + kS9 + data, 0},
      {"damaged termination record", false, header + data + "S9030000FD\r\n", 0},
      {"termination record without its fields", false, header + data + "S9\r\n", 0},
      {"damaged count record", false, header + data + "S5030002FB\r\n", 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> image;
    bool valid = false;
    std::string problem;
    if (c.intelHex) {
      TQMExec exec(c.text, 0);
      valid = exec.IsValid();
      image = exec.GetImage();
      problem = exec.Problem();
    } else {
      TQMMuxExec exec(c.text, 0x10000);
      valid = exec.IsValid();
      image = exec.GetImage();
      problem = exec.Problem();
    }
    EXPECT_EQ(valid, c.imageSize > 0) << c.name;
    EXPECT_EQ(image.size(), c.imageSize) << c.name;
    EXPECT_EQ(problem.empty(), valid) << c.name << ": " << problem;
  }
  // What the user is told about a refused file.
  const struct {
    bool intelHex;
    std::string text;
    std::string problem;
  } problems[] = {
      {true, HexData(0, 5, 32) + kEnd + "garbage\r\n", "line 7 follows the end record"},
      {true, HexData(0, 5, 32), "the file ends before its end record"},
      {false, header + data,
       "the data records are not followed by a termination record (S7, S8 or S9) or a count record (S5 or S6), "
       "so the file cannot be told from one cut short"},
      {false, header + data + SRecord('5', 1, 2, {}), "line 4 counts 1 data records, but 2 come before it"},
      {false, header + data + "S5030002FB\r\n",
       "line 4 is damaged: a character that is no hexadecimal digit, a count that does not match, or a wrong "
       "checksum"},
  };
  for (const auto& p : problems) {
    std::string problem = p.intelHex ? TQMExec(p.text, 0).Problem() : TQMMuxExec(p.text, 0x10000).Problem();
    EXPECT_EQ(problem, p.problem);
  }
}

TEST(SRecordTest, NonHexDigitsAreRefusedEvenWhenTheChecksumFits) {
  std::string record = SRecord('2', 0x10000, 3, Bytes(32, 0x10));
  ASSERT_TRUE(TQMMuxExec(record + kS9, 0x10000).IsValid());
  // "0G" reads as 0x10 by the letter rule, so count and checksum still agree.
  std::string forged = record;
  forged.replace(10, 2, "0G");
  EXPECT_FALSE(TQMMuxExec(forged + kS9, 0x10000).IsValid());
}

}  // namespace
}  // namespace lumora
