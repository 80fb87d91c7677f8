#include "support/sample_projects.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "model/text_lines.h"

namespace lumora::testing {
namespace {

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

void SetDefaultPlc(TQMProject& project) {
  project.plcSettings.plcName = "Tarvo DL-205";
  project.plcSettings.libraryName = "/opt/lumora/dll/TDL205.so";
  project.plcSettings.addressSize = 4;
  project.plcSettings.SetHeader(31, 2);
  for (uint8_t byte : {7, 0, 1, 2, 0, 10, 3})
    project.plcSettings.plcAttributes.push_back(byte);
}

}  // namespace

void SetTarvoAddress(TQMTag& tag, const std::string& address, int valueType) {
  tag.address = address;
  tag.valueType = valueType;
  int area = address[0] == 'V' ? 1 : address[0] == 'X' ? 2 : address[0] == 'Y' ? 3 : 4;
  long number = std::strtol(address.c_str() + 1, nullptr, 8);
  tag.encodedAddress = {static_cast<uint8_t>(area), 0, static_cast<uint8_t>(number >> 8),
                        static_cast<uint8_t>(number & 0xFF)};
}

std::string OldFormatText(const TQMProject& project) {
  auto lines = [](const std::string& text) {
    std::vector<std::string> all;
    LineReader reader(text);
    while (!reader.AtEnd())
      all.push_back(reader.Line());
    return all;
  };
  LineWriter writer;
  writer.Line(kProjectMarkerV0);
  writer.Int(0);
  writer.Int(1);
  const TQMPanel& panel = project.Panel(0);
  LineWriter panelLines;
  panel.Save(panelLines);
  std::vector<std::string> all = lines(panelLines.Text());
  all.resize(all.size() - 2);  // the two option lines
  // Each message without its last three lines, the leading-zero flags.
  std::vector<std::string> kept(all.begin(), all.begin() + 5);
  size_t pos = 5;
  for (const TQMMessage& message : panel.messages) {
    LineWriter one;
    message.Save(one);
    size_t count = lines(one.Text()).size();
    kept.insert(kept.end(), all.begin() + static_cast<long>(pos), all.begin() + static_cast<long>(pos + count - 3));
    pos += count;
  }
  kept.insert(kept.end(), all.begin() + static_cast<long>(pos), all.end());
  for (const std::string& line : kept)
    writer.Line(line);
  project.plcSettings.Save(writer);
  writer.Int(0);
  return writer.Text();
}

TQMProject MakeKeypadProject(CoreServices services) {
  TQMProject project(services);
  SetDefaultPlc(project);
  TQMPanel panel(&project, kPanelQM210K);
  panel.localPassword = 4321;
  panel.beeperEnabled = false;
  panel.plcMessageDelay = false;
  panel.buttonLeds.ledMode = {0, 1, 2, 0, 1};
  panel.buttonLeds.buttonMode = {0, 1, 2, 2, 1};
  SetTarvoAddress(panel.buttonLeds.ledWord, "V2000", kBinary16);
  SetTarvoAddress(panel.buttonLeds.buttonWord, "V2001", kBinary16);
  SetTarvoAddress(panel.annunciatorWord, "V2002", kBinary16);
  SetTarvoAddress(panel.lineRegisters[0], "V2010");
  SetTarvoAddress(panel.lineRegisters[1], "V2011");
  SetTarvoAddress(panel.passwordRegister, "V2020");
  panel.passwordRegister.tagName = "PASSWORD";

  TQMMessage first = panel.NewMessage();
  first.number = 1;
  first.isPlcMessage = 1;
  first.text =
      "TEMP " + Markers(0xFF, 4) + std::string(1, static_cast<char>(0xFC)) + " C " + Markers(0xFE, 3);
  SetTarvoAddress(first.data1, "V100");
  first.data1.variableDecimal = true;
  SetTarvoAddress(first.data1.decimalPointTag, "V101", kBinary16);
  first.data1.passwordProtected = true;
  first.data1.useLocalPassword = false;
  first.data1.limitsEnabled = true;
  first.data1.maxValue = 5000;
  first.data1.minValue = 10;
  SetTarvoAddress(first.data2, "V102", kBinary16);
  first.leadingZeros = {true, false, true};
  panel.messages.push_back(first);

  TQMMessage second = panel.NewMessage();
  second.number = 3;
  second.isPlcMessage = 1;
  second.text = "SPEED " + Markers(0xFF, 8) + " " + Markers(0xFD, 2);
  SetTarvoAddress(second.data1, "V200", kBcd32);
  second.data1.accessType = kReadOnly;
  second.data1.fixedDecimals = 2;
  SetTarvoAddress(second.data3, "V202");
  second.data3.tagName = "MOTOR_SPEED";
  panel.messages.push_back(second);

  TQMMessage folder = panel.NewMessage();
  folder.number = 256;
  folder.isFolder = 1;
  folder.text = "SETTINGS";
  panel.messages.push_back(folder);

  TQMMessage local = panel.NewMessage();
  local.number = 255;
  local.level = 1;
  local.text = "LIMIT " + Markers(0xFF, 5);
  SetTarvoAddress(local.data1, "V300", kBinary16);
  local.data1.passwordProtected = true;
  local.data1.accessType = kWriteOnly;
  panel.messages.push_back(local);
  panel.firstLocalNumber = 4;

  project.PutPanel(panel);
  return project;
}

TQMProject MakeMultiplexerProject(CoreServices services) {
  TQMProject project(services);
  SetDefaultPlc(project);
  project.systemType = SystemType::MultiPanel;
  project.multiplexer.portType = {0, kPanelQM210, 0, 0, kPanelQMSV};
  project.multiplexer.selectedPort = 2;

  TQMPanel text(&project, kPanelQM210);
  SetTarvoAddress(text.buttonLeds.ledWord, "V3000", kBinary16);
  SetTarvoAddress(text.lineRegisters[0], "V3010");
  TQMMessage message = text.NewMessage();
  message.number = 1;
  message.isPlcMessage = 1;
  message.text = "PRESSURE " + Markers(0xFF, 4);
  SetTarvoAddress(message.data1, "V100");
  text.messages.push_back(message);
  TQMMessage local = text.NewMessage();
  local.number = 256;
  local.text = "MENU";
  text.messages.push_back(local);
  text.firstLocalNumber = 2;
  project.PutPanel(text);

  project.multiplexer.selectedPort = 5;
  TQMPanel setPoint(&project, kPanelQMSV);
  SetTarvoAddress(setPoint.lineRegisters[0], "V4000");
  TQMMessage value = setPoint.NewMessage();
  value.number = 1;
  value.isPlcMessage = 1;
  value.hasSetPoint = true;
  value.text = "FILL LEVEL";
  SetTarvoAddress(value.data1, "V100");
  value.data1.limitsEnabled = true;
  value.data1.maxValue = 900;
  setPoint.messages.push_back(value);
  setPoint.firstLocalNumber = 1;
  project.PutPanel(setPoint);
  project.multiplexer.selectedPort = 2;
  return project;
}

TQMProject MakeMaximalProject(CoreServices services) {
  TQMProject project(services);
  SetDefaultPlc(project);
  project.systemType = SystemType::MultiPanel;
  project.multiplexer.portType = {kPanelQM210, kPanelQM210G, kPanelQM210K, kPanelQM410, kPanelQM410};
  for (int port = 1; port <= 5; ++port) {
    project.multiplexer.selectedPort = port;
    TQMPanel panel(&project, project.multiplexer.portType[static_cast<size_t>(port - 1)]);
    for (int n = 1; n <= 256; ++n) {
      TQMMessage message = panel.NewMessage();
      message.number = n;
      message.isPlcMessage = 1;
      message.text = "M" + Markers(0xFF, 5) + " " + Markers(0xFE, 5) + " " + Markers(0xFD, 5);
      char address[16];
      std::snprintf(address, sizeof address, "V%o", n * 3);
      SetTarvoAddress(message.data1, address);
      std::snprintf(address, sizeof address, "V%o", n * 3 + 1);
      SetTarvoAddress(message.data2, address);
      std::snprintf(address, sizeof address, "V%o", n * 3 + 2);
      SetTarvoAddress(message.data3, address);
      panel.messages.push_back(message);
    }
    panel.firstLocalNumber = 257;
    project.PutPanel(panel);
  }
  project.multiplexer.selectedPort = 1;
  return project;
}

}  // namespace lumora::testing

#include "link/packet.h"
#include "support/pty_peer.h"

namespace lumora::testing {

std::vector<uint8_t> MakeReply(uint8_t code, const std::vector<uint8_t>& payload) {
  std::vector<uint8_t> packet(5 + payload.size() + 2);
  packet[0] = 0xAA;
  packet[1] = static_cast<uint8_t>(payload.size() + 6);
  packet[2] = 0x10;
  packet[3] = 0x01;
  packet[4] = code;
  std::copy(payload.begin(), payload.end(), packet.begin() + 5);
  StorePacketCrc(packet.data());
  return packet;
}

}  // namespace lumora::testing
