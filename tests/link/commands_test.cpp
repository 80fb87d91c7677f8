#include <gtest/gtest.h>

#include <numeric>

#include "link/commands.h"
#include "link/packet.h"
#include "model/project.h"

namespace lumora {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Build(TQMXCmd& command) {
  EXPECT_TRUE(command.BuildPacket());
  return Bytes(command.Packet(), command.Packet() + command.PacketSize());
}

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

TEST(PacketTest, CrcMatchesXmodemCheckValue) {
  const char* digits = "123456789";
  EXPECT_EQ(PacketCrc(reinterpret_cast<const uint8_t*>(digits), 9), 0x31C3);
  EXPECT_EQ(PacketCrc(nullptr, 0), 0);
  EXPECT_EQ(PacketCrc(nullptr, -3), 0);
  Bytes status = {0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65};
  EXPECT_TRUE(VerifyPacketCrc(status.data()));
  status[5] ^= 1;
  EXPECT_FALSE(VerifyPacketCrc(status.data()));
}

TEST(CommandsTest, CommandsWithoutPayload) {
  TQMStatusIdCmd status;
  EXPECT_EQ(Build(status), (Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}));
  TQMClrMemCmd clear;
  EXPECT_EQ(Build(clear), (Bytes{0xAA, 0x06, 0x10, 0x01, 0x0B, 0xA0, 0xE6}));
  TQMSwitchPrtCmd port0(0);
  EXPECT_EQ(Build(port0), (Bytes{0xAA, 0x07, 0x10, 0x01, 0xC1, 0x00, 0x26, 0x6E}));
  for (uint8_t code : {0x3E, 0x3F, 0xB8, 0xBB, 0xBE}) {
    TQMNoPayloadCmd command(code);
    Bytes packet = Build(command);
    ASSERT_EQ(packet.size(), 7u);
    EXPECT_EQ(packet[4], code);
  }
}

TEST(CommandsTest, BlockTransferLayout) {
  Bytes empty;
  TQMLoadPlcCmd start(kBlockStart, empty, 0, 0, 0);
  Bytes packet = Build(start);
  ASSERT_EQ(packet.size(), 10u);
  EXPECT_EQ(Bytes(packet.begin(), packet.begin() + 8),
            (Bytes{0xAA, 0x09, 0x10, 0x01, 0xBA, 0x00, 0x01, 0x00}));
  uint16_t crc = PacketCrc(packet.data() + 1, 7);
  EXPECT_EQ(packet[8], crc & 0xFF);
  EXPECT_EQ(packet[9], crc >> 8);

  Bytes driver(120);
  std::iota(driver.begin(), driver.end(), 0);
  TQMLoadPlcCmd block2(kBlockData, driver, 2, 50, 100);
  packet = Build(block2);
  EXPECT_EQ(packet[1], 59);
  EXPECT_EQ(packet[5], 2);
  EXPECT_EQ(packet[6], 0);
  EXPECT_EQ(packet[7], 50);
  EXPECT_EQ(packet[8], 50);
  EXPECT_EQ(packet[57], 99);
  TQMLoadPlcCmd end(kBlockEnd, driver, 3, 100, 120);
  packet = Build(end);
  EXPECT_EQ(packet[1], 29);
  EXPECT_EQ(packet[5], 3);
  EXPECT_EQ(packet[6], 2);
  EXPECT_EQ(packet[7], 20);

  Bytes hundred(100);
  TQMWriteTagCmd emptyEnd(kBlockEnd, hundred, 3, 100, 100);
  packet = Build(emptyEnd);
  EXPECT_EQ(packet[1], 9);
  EXPECT_EQ(packet[4], 0xB7);
  EXPECT_EQ(packet[7], 0);

  TQMLoadExecCmd beyond(kBlockData, hundred, 1, 90, 110);
  EXPECT_FALSE(beyond.BuildPacket());
  Bytes huge(300);
  TQMWriteMuxPlcAttrCmd tooLong(kBlockData, huge, 1, 0, 250);
  EXPECT_FALSE(tooLong.BuildPacket());
}

TEST(CommandsTest, DumpReads) {
  TQMReadMsgCmd start(kDumpStart, 0);
  Bytes packet = Build(start);
  EXPECT_EQ(Bytes(packet.begin(), packet.begin() + 7), (Bytes{0xAA, 0x08, 0x10, 0x01, 0xB4, 0x00, 0x01}));
  TQMReadTagCmd next(kDumpNext, 3);
  packet = Build(next);
  EXPECT_EQ(packet[4], 0xB6);
  EXPECT_EQ(packet[5], 3);
  EXPECT_EQ(packet[6], 0);
  TQMReadMuxPlcAttrCmd mux(kDumpNext, 1);
  EXPECT_EQ(Build(mux)[4], 0x2A);
}

TEST(CommandsTest, SplitNumbering) {
  EXPECT_EQ(WireMessageNumber(210, 200), 246);
  EXPECT_EQ(WireMessageNumber(199, 200), 199);
  EXPECT_EQ(WireMessageNumber(246, 200), 210);
  EXPECT_EQ(WireMessageNumber(256, 5), 5);
  EXPECT_EQ(WireMessageNumber(255, -1), 255);
}

class MessageCommandTest : public ::testing::Test {
 protected:
  TQMProject project;
  TQMPanel panel{&project, kPanelQM210};
  TQMPanel setPoint{&project, kPanelQMSV};
};

TEST_F(MessageCommandTest, StandardLayout) {
  TQMMessage m = panel.NewMessage();
  m.number = 210;
  m.text = "ABC";
  m.isFolder = 0;
  m.level = 2;
  m.data1.index = 0x0102;
  m.data2.index = 0x0304;
  m.data3.index = 0xFFFF;
  m.data1.passwordProtected = true;
  m.data1.useLocalPassword = false;
  m.data1.limitsEnabled = true;
  m.data1.maxValue = 0x01020304;
  m.data1.minValue = -1;
  m.data1.variableDecimal = true;
  m.data1.decimalPointTag.index = 7;
  m.data1.accessType = kWriteOnly;
  m.leadingZeros = {true, false, true};
  TQMWriteMsgCmd command(m, 200, false, false);
  Bytes packet = Build(command);
  ASSERT_EQ(packet.size(), 50u);
  EXPECT_EQ(packet[1], 49);
  EXPECT_EQ(packet[5], 0);
  EXPECT_EQ(packet[6], 246);
  EXPECT_EQ(std::string(packet.begin() + 7, packet.begin() + 27), "ABC" + std::string(17, ' '));
  EXPECT_EQ(packet[27], 0);
  EXPECT_EQ(packet[28], 2);
  EXPECT_EQ(Bytes(packet.begin() + 29, packet.begin() + 35), (Bytes{1, 2, 3, 4, 0xFF, 0xFF}));
  EXPECT_EQ(packet[35], 2);
  EXPECT_EQ(packet[36], 1);
  EXPECT_EQ(Bytes(packet.begin() + 37, packet.begin() + 45), (Bytes{1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(packet[45], 0);
  EXPECT_EQ(packet[46], 7);
  EXPECT_EQ(packet[47], 0x02 | 0x08 | 0x10 | 0x40);
  EXPECT_TRUE(VerifyPacketCrc(packet.data()));

  m.data1.passwordProtected = true;
  m.data1.useLocalPassword = true;
  m.data1.variableDecimal = false;
  m.data1.accessType = kReadOnly;
  TQMWriteMsgCmd local(m, -1, false, false);
  packet = Build(local);
  EXPECT_EQ(packet[6], 210);
  EXPECT_EQ(packet[35], 1);
  EXPECT_EQ(packet[45], 0xFF);
  EXPECT_EQ(packet[46], 0xFF);
  EXPECT_EQ(packet[47], 0x04 | 0x10 | 0x40);
}

TEST_F(MessageCommandTest, TextEncodingCodes) {
  TQMMessage m = panel.NewMessage();
  m.number = 1;
  m.text = "T" + Markers(0xFF, 5) + Markers(0xFE, 2) + Markers(0xFD, 3);
  std::array<uint8_t, 20> bytes = EncodeMessageText(m);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 11),
            (Bytes{'T', 128, 129, 130, 131, 132, 136, 137, 140, 141, 142}));
  EXPECT_EQ(bytes[11], ' ');

  m.data1.valueType = kBcd32;
  m.data2.valueType = kBinary32;
  m.data3.valueType = kBcd32;
  m.text = Markers(0xFF, 3) + "\xFC" + Markers(0xFE, 1) + Markers(0xFD, 1);
  m.data1.variableDecimal = true;
  bytes = EncodeMessageText(m);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), (Bytes{151, 152, 153, 153, 163, 173}));
  m.data1.variableDecimal = false;
  bytes = EncodeMessageText(m);
  EXPECT_EQ(bytes[3], 0xFC);

  m.isFolder = 1;
  m.text = "MENU";
  bytes = EncodeMessageText(m);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "+MENU ");

  TQMMessage password = panel.NewMessage();
  password.number = 259;
  password.text = "PASSWORD=" + Markers(0xFF, 10);
  bytes = EncodeMessageText(password);
  EXPECT_EQ(bytes[9], 144);
  EXPECT_EQ(bytes[18], 153);
}

TEST_F(MessageCommandTest, BlankAndSetPointLayouts) {
  TQMMessage blank = panel.NewMessage();
  blank.number = 5;
  TQMWriteMsgCmd command(blank, 0, false, true);
  Bytes packet = Build(command);
  ASSERT_EQ(packet.size(), 50u);
  EXPECT_EQ(packet[6], 5);
  for (size_t i = 7; i <= 47; ++i)
    EXPECT_EQ(packet[i], 0xFF) << i;
  TQMWriteMsgCmd setPointBlank(blank, 0, true, true);
  packet = Build(setPointBlank);
  ASSERT_EQ(packet.size(), 42u);
  EXPECT_EQ(packet[39], 0xFF);

  TQMMessage value = setPoint.NewMessage();
  value.number = 300;
  value.text = "FILL LEVEL";
  value.hasSetPoint = true;
  value.data1.index = 3;
  value.data1.fixedDecimals = 2;
  value.data1.limitsEnabled = true;
  value.data1.maxValue = 900;
  value.data1.minValue = 5;
  value.data1.accessType = kReadOnly;
  TQMWriteMsgCmd sv(value, 200, true, false);
  packet = Build(sv);
  ASSERT_EQ(packet.size(), 42u);
  EXPECT_EQ(packet[1], 41);
  EXPECT_EQ(ReadBigEndian16(packet.data() + 5), 300);  // no split mapping
  EXPECT_EQ(std::string(packet.begin() + 7, packet.begin() + 23), "FILL LEVEL      ");
  EXPECT_EQ(packet[23], 0xFF);
  EXPECT_EQ(packet[24], 0x00);
  EXPECT_EQ(ReadBigEndian16(packet.data() + 25), 3);
  EXPECT_EQ(packet[27], 2);
  EXPECT_EQ(packet[28], 1);
  EXPECT_EQ(ReadBigEndian32(packet.data() + 29), 900u);
  EXPECT_EQ(ReadBigEndian32(packet.data() + 33), 5u);
  EXPECT_EQ(ReadBigEndian16(packet.data() + 37), 0xFFFF);
  EXPECT_EQ(packet[39], 0x04);
  value.data1.fixedDecimals = -1;
  TQMWriteMsgCmd noDecimals(value, -1, true, false);
  EXPECT_EQ(Build(noDecimals)[27], 0);
}

TEST(CommandsTest, SystemAttributes) {
  TQMProject project;
  TQMPanel panel(&project, kPanelQM210K);
  panel.buttonLeds.buttonWord.index = 1;
  panel.buttonLeds.ledWord.index = 2;
  panel.annunciatorWord.index = 3;
  panel.buttonLeds.ledMode = {0, 1, 2, 0, 0};
  panel.buttonLeds.buttonMode = {0, 1, 2, 1, 0};
  panel.passwordRegister.index = 0xFFFF;
  panel.localPassword = 0x00ABCDEF;
  panel.lineRegisters[0].index = 4;
  panel.lineRegisters[1].index = 5;
  panel.firstLocalNumber = 12;
  panel.plcMessageDelay = false;
  panel.cursorOnPlcMessage = true;
  TQMWriteSysAttrCmd command(panel);
  Bytes packet = Build(command);
  ASSERT_EQ(packet.size(), 38u);
  EXPECT_EQ(Bytes(packet.begin() + 5, packet.begin() + 12), (Bytes{0, 0, 1, 0, 2, 0, 3}));
  EXPECT_EQ(ReadBigEndian16(packet.data() + 12), 0x8000 | 0x01 | 0x02 | 0x40 | 0x08 | 0x10);
  EXPECT_EQ(ReadBigEndian16(packet.data() + 14), 0xFFFF);
  EXPECT_EQ(ReadBigEndian32(packet.data() + 16), 0x00ABCDEFu);
  EXPECT_EQ(Bytes(packet.begin() + 20, packet.begin() + 28), (Bytes{0, 4, 0, 5, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Bytes(packet.begin() + 28, packet.begin() + 33), (Bytes{0, 1, 2, 1, 0}));
  EXPECT_EQ(ReadBigEndian16(packet.data() + 33), 12);
  EXPECT_EQ(packet[35], 0x02);
}

TEST(CommandsTest, PlcAttributeCommandsPlaceTheirInnerCrc) {
  Bytes attributes(32, 0);
  attributes[0] = 31;
  attributes[1] = 2;
  Bytes specific = {7, 0, 1, 3, 1, 10, 3};
  attributes.insert(attributes.end(), specific.begin(), specific.end());
  Bytes increased = {9, 0, 1, 3, 1, 10, 3};
  uint16_t crc = PacketCrc(increased.data(), 7);

  TQMWritePlcAttrCmd single(attributes);
  Bytes packet = Build(single);
  ASSERT_EQ(packet[1], 7 + 8);
  EXPECT_EQ(Bytes(packet.begin() + 5, packet.begin() + 12), increased);
  EXPECT_EQ(packet[12], crc >> 8);
  EXPECT_EQ(packet[13], crc & 0xFF);

  TQMWrtMltPnlPlcAttrCmd multi(attributes);
  packet = Build(multi);
  ASSERT_EQ(packet[1], 15);
  EXPECT_EQ(packet[4], 0xBC);
  EXPECT_EQ(Bytes(packet.begin() + 5, packet.begin() + 14),
            (Bytes{9, 0, static_cast<uint8_t>(crc & 0xFF), static_cast<uint8_t>(crc >> 8), 1, 3, 1, 10, 3}));

  Bytes stream = MuxPlcAttributeStream(attributes);
  EXPECT_EQ(stream,
            (Bytes{9, 0, 1, 3, 1, 10, 3, static_cast<uint8_t>(crc & 0xFF), static_cast<uint8_t>(crc >> 8)}));

  Bytes large(32 + 248, 0);  // n = 248: n + 8 = 256 does not fit one length byte
  large[32] = 248;
  TQMWritePlcAttrCmd tooLarge(large);
  EXPECT_FALSE(tooLarge.BuildPacket());
  large.resize(32 + 247);
  TQMWritePlcAttrCmd largest(large);
  EXPECT_TRUE(largest.BuildPacket());
  EXPECT_EQ(largest.Packet()[1], 255);
  Bytes headerOnly(32, 0);
  TQMWritePlcAttrCmd none(headerOnly);
  EXPECT_FALSE(none.BuildPacket());
}

}  // namespace
}  // namespace lumora
