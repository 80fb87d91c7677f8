#include <gtest/gtest.h>

#include "link/commands.h"
#include "link/packet.h"
#include "link/responses.h"
#include "model/project.h"
#include "support/pty_peer.h"

namespace lumora {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeReply;

std::unique_ptr<TQMXResp> Make(const Bytes& packet, TQMProject* project = nullptr) {
  return MakeResponse(packet.data(), 0, project);
}

Bytes StatusPayload(uint8_t family, uint8_t a, uint8_t b, uint8_t c) {
  return {family, a, b, c, '2', 7, 32, 31, 2, 'B', 0};
}

TEST(ResponsesTest, ErrorCodeTable) {
  EXPECT_EQ(TQMErrorResp::TextFor(0), "NoError");
  EXPECT_EQ(TQMErrorResp::TextFor(1), "Error C008: Checksum error");
  EXPECT_EQ(
      TQMErrorResp::TextFor(2),
      "Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter Setup Mode, press the up "
      "and down arrow keys\nsimultaneously.");
  EXPECT_EQ(TQMErrorResp::TextFor(7), "Error C014: Invalid Message Number");
  EXPECT_EQ(TQMErrorResp::TextFor(14), "Error C021: Memory is Read Only");
  EXPECT_EQ(TQMErrorResp::TextFor(24), "Error C024: Invalid Byte in the data fields of Command");
  EXPECT_EQ(TQMErrorResp::TextFor(25), "Error C007: Invalid Length in Reply");
  for (int code : {15, 20, 23, 26, -1})
    EXPECT_EQ(TQMErrorResp::TextFor(code), "Unknown Error");
}

TEST(ResponsesTest, StandardReplyAndJudging) {
  auto ok = Make(MakeReply(0x00, {0x00, 0x00}));
  std::string failure;
  EXPECT_NE(ExpectResponse<TQMStdResp>(ok.get(), failure), nullptr);
  EXPECT_EQ(failure, "");
  auto refused = Make(MakeReply(0x00, {0x00, 7}));
  EXPECT_EQ(ExpectResponse<TQMStdResp>(refused.get(), failure), nullptr);
  EXPECT_EQ(failure, "Error C014: Invalid Message Number");
  auto unknown = Make(MakeReply(0x00, {0x00, 15}));
  EXPECT_FALSE(IsGoodStdResponse(unknown.get(), failure));
  EXPECT_EQ(failure, "Unknown Error");

  // A standard reply where data was expected: its text is the failure (a refused dump, for example).
  auto noDump = Make(MakeReply(0x00, {0x00, 5}));
  EXPECT_EQ(ExpectResponse<TQMTagResp>(noDump.get(), failure), nullptr);
  EXPECT_EQ(failure, "Error C012: Start Dump Not Requested");
  TQMErrorResp timeout(2);
  EXPECT_EQ(ExpectResponse<TQMTagResp>(&timeout, failure), nullptr);
  EXPECT_EQ(failure.rfind("Error C009", 0), 0u);
  EXPECT_EQ(ExpectResponse<TQMTagResp>(nullptr, failure), nullptr);
  EXPECT_EQ(failure, "Unknown Error");
  auto status = Make(MakeReply(0x12, StatusPayload('3', 0, 8, 0)));
  EXPECT_EQ(ExpectResponse<TQMTagResp>(status.get(), failure), nullptr);
  EXPECT_EQ(failure, "Unknown Error");

  EXPECT_EQ(Make(MakeReply(0x99, {1, 2, 3})), nullptr);
  auto failed = MakeResponse(nullptr, 25, nullptr);
  ASSERT_NE(dynamic_cast<TQMErrorResp*>(failed.get()), nullptr);
  EXPECT_EQ(dynamic_cast<TQMErrorResp*>(failed.get())->ErrorCode(), 25);
}

TEST(ResponsesTest, PanelModelRule) {
  auto model = [](uint8_t family, uint8_t a, uint8_t b, uint8_t c) {
    auto response = Make(MakeReply(0x12, StatusPayload(family, a, b, c)));
    auto* status = dynamic_cast<TQMStatusIdResp*>(response.get());
    return status ? status->GetPanelModel() : -1;
  };
  EXPECT_EQ(model('3', 0, 8, 0), kPanelQM210);
  EXPECT_EQ(model('3', 0, 8, 3), kPanelQM210G);
  EXPECT_EQ(model('3', 0, 11, 0), kPanelQM210K);
  EXPECT_EQ(model('3', 1, 0, 0), kPanelQM410);
  EXPECT_EQ(model('3', 3, 0, 0), kPanelQM210G);
  EXPECT_EQ(model('3', 2, 0, 0), kPanelQMSV);
  EXPECT_EQ(model('3', 0, 5, 0), kPanelQM410);
  EXPECT_EQ(model('7', 9, 9, 9), kPanelQMSV);
  EXPECT_EQ(model('5', 0, 8, 0), kPanelNone);
}

TEST(ResponsesTest, StatusTexts) {
  auto response = Make(MakeReply(0x12, StatusPayload('3', 0, 8, 0)));
  auto* status = dynamic_cast<TQMStatusIdResp*>(response.get());
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->GetFirmwareText(), "2.7");
  EXPECT_EQ(status->GetMemoryText(), "  32 KB");
  EXPECT_EQ(status->GetDriverVersionText(), "B");
  EXPECT_EQ(status->ManufacturerId(), 31);
  EXPECT_EQ(status->ModelId(), 2);
  EXPECT_TRUE(status->HasDriver());

  Bytes mux = {'4', 0, 0, 'C', 1, 0, 0, 0, 0, 0x00, 0x80, 0x00, 0x00, 31, 2, 'A', 0, 0};
  ASSERT_EQ(mux.size() + 6, 24u);
  auto muxResponse = Make(MakeReply(0x12, mux));
  auto* muxStatus = dynamic_cast<TQMMuxStatusIdResp*>(muxResponse.get());
  ASSERT_NE(muxStatus, nullptr);
  EXPECT_EQ(muxStatus->GetPanelModel(), kPanelMultiplexer);
  EXPECT_EQ(muxStatus->GetFirmwareText(), "C.1");
  EXPECT_EQ(muxStatus->GetMemoryText(), "32768 Bytes");
  EXPECT_EQ(muxStatus->GetDriverVersionText(), "A");
  EXPECT_EQ(UnitModelName(muxStatus->GetPanelModel()), "Multiplexer");

  Bytes seventeen = StatusPayload('3', 0, 11, 0);
  EXPECT_NE(dynamic_cast<TQMStatusIdResp*>(Make(MakeReply(0x12, seventeen)).get()), nullptr);
}

TEST(ResponsesTest, RepliesTooShortForTheirClassAreMalformed) {
  auto expectMalformed = [](const Bytes& packet, TQMProject* project = nullptr) {
    auto response = MakeResponse(packet.data(), 0, project);
    auto* error = dynamic_cast<TQMErrorResp*>(response.get());
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->ErrorCode(), 25);
  };
  expectMalformed(MakeReply(0x12, {'3', 0}));                   // status of 8 bytes
  expectMalformed(MakeReply(0x00, {0x00}));                     // standard reply without error byte
  expectMalformed(MakeReply(0xB6, {0x00, 0x02, 10, 1, 2, 3}));  // count says 10, 3 present
  expectMalformed(MakeReply(0xB8, Bytes(20, 0)));
  expectMalformed(MakeReply(0xBB, {20, 0, 1, 2}));
  TQMProject project;
  project.AddPanel(kPanelQM210, 1);
  expectMalformed(MakeReply(0xB4, Bytes(30, 0x41)), &project);
  // An empty slot needs only the bytes up to its marker.
  auto empty = MakeResponse(MakeReply(0xB4, {0, 0, 0, 0, 0xFF}).data(), 0, &project);
  auto* slot = dynamic_cast<TQMMsgResp*>(empty.get());
  ASSERT_NE(slot, nullptr);
  EXPECT_TRUE(slot->IsEmptySlot());
  EXPECT_EQ(slot->Message().number, 0);
}

TEST(ResponsesTest, MessageReplyDecoding) {
  TQMProject project;
  TQMPanel& panel = project.AddPanel(kPanelQM210, 1);
  TQMMessage original = panel.NewMessage();
  original.number = 246;
  original.isFolder = 0;
  original.level = 1;
  original.text =
      "T " + std::string(2, static_cast<char>(0xFF)) + "\xFC" + std::string(2, static_cast<char>(0xFE));
  original.data1.index = 9;
  original.data1.variableDecimal = true;
  original.data1.decimalPointTag.index = 10;
  original.data1.passwordProtected = true;
  original.data1.useLocalPassword = false;
  original.data1.limitsEnabled = true;
  original.data1.maxValue = 500;
  original.data1.minValue = 2;
  original.data1.accessType = kReadOnly;
  original.data2.index = 11;
  original.leadingZeros = {false, true, false};
  TQMWriteMsgCmd command(original, -1, false, false);
  ASSERT_TRUE(command.BuildPacket());
  // The reply is the write's layout shifted by 2.
  Bytes payload(command.Packet() + 5, command.Packet() + 48);
  payload.insert(payload.begin(), {0x00, 0x00});
  auto response = Make(MakeReply(0xB4, payload), &project);
  auto* reply = dynamic_cast<TQMMsgResp*>(response.get());
  ASSERT_NE(reply, nullptr);
  const TQMMessage& m = reply->Message();
  EXPECT_EQ(m.number, 246);
  EXPECT_EQ(m.text, original.text);
  EXPECT_EQ(m.level, 1);
  EXPECT_EQ(m.data1.index, 9);
  EXPECT_EQ(m.data1.decimalPointTag.index, 10);
  EXPECT_TRUE(m.data1.passwordProtected);
  EXPECT_FALSE(m.data1.useLocalPassword);
  EXPECT_EQ(m.data1.fixedDecimals, -1);
  EXPECT_EQ(m.data1.maxValue, 500);
  EXPECT_EQ(m.data1.minValue, 2);
  EXPECT_EQ(m.data1.accessType, kReadOnly);
  EXPECT_EQ(m.data2.index, 11);
  EXPECT_EQ(m.leadingZeros, original.leadingZeros);
  EXPECT_EQ(m.panel, &panel);
}

TEST(ResponsesTest, MessageTextDecoding) {
  uint8_t bytes[20];
  std::fill(std::begin(bytes), std::end(bytes), ' ');
  bytes[0] = 131;
  bytes[1] = 132;
  bytes[2] = 132;
  EXPECT_EQ(DecodeMessageText(bytes, false), "\xFF\xFF\xFC");
  bytes[0] = '+';
  bytes[1] = 'M';
  bytes[2] = 144;
  bytes[3] = 160;
  bytes[4] = 170;
  bytes[5] = 135;
  bytes[6] = 139;
  bytes[7] = 143;
  EXPECT_EQ(DecodeMessageText(bytes, true), "M\xFF\xFE\xFD\xFE\xFD\x8F");
}

TEST(ResponsesTest, SetPointMessageReply) {
  TQMProject project;
  project.AddPanel(kPanelQMSV, 1);
  Bytes payload(37, 0);
  payload[0] = 0;
  payload[1] = 0;
  payload[2] = 0;
  payload[3] = 4;  // number
  std::string text = "OVEN TEMP       ";
  std::copy(text.begin(), text.end(), payload.begin() + 4);
  payload[22] = 0;
  payload[23] = 6;     // data item 1 index
  payload[24] = 0;     // fixed decimals 0 -> none
  payload[25] = 1;     // limits
  payload[29] = 200;   // max low byte
  payload[36] = 0x0C;  // flags: access 3 leaves the access type
  auto response = Make(MakeReply(0xB4, payload), &project);
  auto* reply = dynamic_cast<TQMMsgResp*>(response.get());
  ASSERT_NE(reply, nullptr);
  const TQMMessage& m = reply->Message();
  EXPECT_EQ(m.number, 4);
  EXPECT_EQ(m.text, "OVEN TEMP");
  EXPECT_EQ(m.data1.index, 6);
  EXPECT_EQ(m.data1.fixedDecimals, -1);
  EXPECT_TRUE(m.data1.limitsEnabled);
  EXPECT_EQ(m.data1.maxValue, 200);
  EXPECT_EQ(m.data1.accessType, kReadWrite);
  EXPECT_TRUE(m.hasSetPoint);
  EXPECT_EQ(m.isPlcMessage, 1);
}

TEST(ResponsesTest, SystemAttributesApply) {
  TQMProject project;
  TQMPanel panel(&project, kPanelQM410);
  panel.lineRegisters[1].index = 77;
  panel.buttonLeds.ledMode = {1, 1, 1, 1, 1};
  Bytes payload(31, 0);
  auto at = [&payload](int offset) -> uint8_t& { return payload[static_cast<size_t>(offset - 5)]; };
  at(7) = 1;  // button word index 1
  at(9) = 2;  // LED word index 2
  at(10) = 0xFF;
  at(11) = 0xFF;
  at(12) = 0x80;  // beeper
  at(13) = 0x25;  // LED 1: bits 0 and 5, mode 1; LED 3: bit 2, mode 0; the others mode 2
  at(15) = 3;
  at(19) = 42;
  at(20) = 0x00;
  at(21) = 0x03;
  at(22) = 0xFF;
  at(23) = 0xFF;
  at(24) = 0x00;
  at(25) = 0x07;
  at(28) = 2;
  at(32) = 1;
  at(34) = 9;
  at(35) = 0x01;
  auto response = Make(MakeReply(0xB8, payload));
  auto* reply = dynamic_cast<TQMSysAttrResp*>(response.get());
  ASSERT_NE(reply, nullptr);
  EXPECT_EQ(reply->FirstLocalNumber(), 9);
  reply->ApplyTo(panel);
  EXPECT_EQ(panel.buttonLeds.buttonWord.index, 1);
  EXPECT_EQ(panel.buttonLeds.ledWord.index, 2);
  EXPECT_EQ(panel.annunciatorWord.index, 0xFFFF);
  EXPECT_TRUE(panel.beeperEnabled);
  EXPECT_EQ(panel.buttonLeds.ledMode, (std::array<int32_t, 5>{1, 2, 0, 2, 2}));
  EXPECT_EQ(panel.passwordRegister.index, 3);
  EXPECT_EQ(panel.localPassword, 42u);
  EXPECT_EQ(panel.lineRegisters[0].index, 3);
  EXPECT_EQ(panel.lineRegisters[1].index, 77);  // the list ended at the first 0xFFFF
  EXPECT_EQ(panel.lineRegisters[2].index, kNoTagIndex);
  EXPECT_EQ(panel.buttonLeds.buttonMode, (std::array<int32_t, 5>{2, 0, 0, 0, 1}));
  EXPECT_EQ(panel.firstLocalNumber, 9);
  EXPECT_TRUE(panel.plcMessageDelay);
  EXPECT_FALSE(panel.cursorOnPlcMessage);
}

TEST(ResponsesTest, PlcAttributeReplies) {
  auto single = Make(MakeReply(0xBB, {9, 0, 1, 3, 1, 10, 3, 0xAB, 0xCD}));
  auto* reply = dynamic_cast<TQMPlcAttrResp*>(single.get());
  ASSERT_NE(reply, nullptr);
  EXPECT_EQ(reply->GetData(), (Bytes{7, 0, 1, 3, 1, 10, 3}));

  TQMProject multi;
  multi.systemType = SystemType::MultiPanel;
  auto fromMux = Make(MakeReply(0xBB, {9, 0, 0xAB, 0xCD, 1, 3, 1, 10, 3}), &multi);
  EXPECT_EQ(dynamic_cast<TQMPlcAttrResp*>(fromMux.get())->GetData(), (Bytes{7, 0, 1, 3, 1, 10, 3}));

  auto minimal = Make(MakeReply(0xBB, {4, 0}));
  EXPECT_EQ(dynamic_cast<TQMPlcAttrResp*>(minimal.get())->GetData(), (Bytes{2, 0}));
}

TEST(ResponsesTest, DumpBlocks) {
  auto block = Make(MakeReply(0xB6, {0x00, 0x02, 3, 7, 8, 9}));
  auto* tags = dynamic_cast<TQMTagResp*>(block.get());
  ASSERT_NE(tags, nullptr);
  EXPECT_TRUE(tags->IsLastBlock());
  EXPECT_EQ(tags->GetData(), (Bytes{7, 8, 9}));
  auto more = Make(MakeReply(0x2A, {0x00, 0x00, 1, 5}));
  auto* mux = dynamic_cast<TQMMuxPlcAttrResp*>(more.get());
  ASSERT_NE(mux, nullptr);
  EXPECT_FALSE(mux->IsLastBlock());
}

}  // namespace
}  // namespace lumora
