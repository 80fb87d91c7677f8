#include <gtest/gtest.h>

#include <vector>

#include "model/editing_rules.h"
#include "model/project.h"
#include "model/project_compare.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

using testing::FakePlcEnvironment;
using testing::RecordingInteraction;
using testing::SetTarvoAddress;

class ProjectModelTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  RecordingInteraction ui;
  FakePlcEnvironment plc;
};

TEST_F(ProjectModelTest, NewRecordsHaveTheirDefaults) {
  TQMProject project(Services());
  EXPECT_EQ(project.systemType, SystemType::SinglePanel);
  EXPECT_TRUE(project.panels.empty());
  EXPECT_EQ(project.multiplexer.selectedPort, 1);
  EXPECT_EQ(project.multiplexer.portType, (std::array<int32_t, 5>{1, 0, 0, 0, 0}));

  TQMPanel panel(&project, kPanelQM210K);
  EXPECT_EQ(panel.buttonLeds.ledWord.valueType, kBinary16);
  EXPECT_EQ(panel.buttonLeds.buttonWord.valueType, kBinary16);
  EXPECT_EQ(panel.annunciatorWord.valueType, kBinary16);
  EXPECT_TRUE(panel.beeperEnabled && panel.plcMessageDelay && panel.cursorOnPlcMessage);

  TQMMessage message = panel.NewMessage();
  EXPECT_EQ(message.data1.fixedDecimals, -1);
  EXPECT_EQ(message.data1.maxValue, 9999);
  EXPECT_TRUE(message.data1.useLocalPassword);
  EXPECT_EQ(message.data1.AccessText(), "R/W");
  EXPECT_EQ(message.data2.AccessText(), "R");
  EXPECT_EQ(message.data2.index, kNoTagIndex);
}

TEST_F(ProjectModelTest, CodeTables) {
  EXPECT_EQ(PanelModelText(0), "NOT CONFIGURED...");
  EXPECT_EQ(PanelModelText(4), "QM410");
  EXPECT_EQ(PanelModelText(9), "NULL");
  EXPECT_EQ(PortLabelText(kPanelMultiplexer, 0), "Multiplexer\nPort0");
  EXPECT_EQ(PortLabelText(kPanelNone, 3), "\nPort3");
  EXPECT_EQ(PortLabelText(kPanelQMSV, 5), "QMSV\nPort5");
  EXPECT_EQ(ValueTypeMaxValue(kPanelQM210, kBinary32), 4294967295u);
  EXPECT_EQ(ValueTypeMaxValue(kPanelQMSV, kBinary32), 99999999u);
  EXPECT_EQ(ValueTypeWireCode(kBcd32), 9);
  EXPECT_EQ(ValueTypeFromWireCode(6), kBinary32);
  EXPECT_EQ(ValueTypeFromWireCode(7), -1);
  EXPECT_EQ(PanelLineCount(kPanelQM410), 4);
  EXPECT_EQ(PanelCharsPerMessage(kPanelQMSV), 16);
}

TEST_F(ProjectModelTest, PutPanelInSingleAndMultiPanelProjects) {
  TQMProject project(Services());
  TQMPanel panel(&project, kPanelQM410);
  panel.port = 4;
  project.PutPanel(panel);
  project.PutPanel(panel);
  ASSERT_EQ(project.PanelCount(), 1u);
  EXPECT_EQ(project.Panel(0).port, 1);

  project.systemType = SystemType::MultiPanel;
  project.multiplexer.selectedPort = 3;
  TQMPanel other(&project, kPanelQMSV);
  project.PutPanel(other);
  ASSERT_EQ(project.PanelCount(), 2u);
  EXPECT_EQ(project.Panel(1).port, 3);

  TQMPanel replacement(&project, kPanelQM210G);
  project.PutPanel(replacement);
  ASSERT_EQ(project.PanelCount(), 2u);
  EXPECT_EQ(project.FindPanel(3)->panelType, kPanelQM210G);

  project.RemoveSelectedPanel();
  EXPECT_EQ(project.PanelCount(), 1u);
  EXPECT_EQ(project.FindPanel(3), nullptr);
  project.RemoveSelectedPanel();
  EXPECT_EQ(project.PanelCount(), 1u);
}

// The port and model a project shows: a single panel is always on port 1, a multiplexer's selected port
// is kept within 1..5 and may be empty.
TEST_F(ProjectModelTest, SelectedPortAndPanelType) {
  struct Case {
    const char* name;
    SystemType system;
    int storedPort;
    int port;
    int panelType;
  };
  const Case cases[] = {
      {"single panel", SystemType::SinglePanel, 1, 1, kPanelQM410},
      {"single panel, stray port", SystemType::SinglePanel, 4, 1, kPanelQM410},
      {"multiplexer port with a panel", SystemType::MultiPanel, 3, 3, kPanelQMSV},
      {"empty multiplexer port", SystemType::MultiPanel, 2, 2, kPanelNone},
      {"port above 5", SystemType::MultiPanel, 9, 5, kPanelNone},
      {"port 0", SystemType::MultiPanel, 0, 1, kPanelQM410},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TQMProject project(Services());
    project.PutPanel(TQMPanel(&project, kPanelQM410));
    project.multiplexer.SetPortFromPanel(project.Panel(0));
    project.systemType = c.system;
    if (c.system == SystemType::MultiPanel) {
      project.multiplexer.selectedPort = 3;
      project.PutPanel(TQMPanel(&project, kPanelQMSV));
      project.multiplexer.SetPortFromPanel(*project.FindPanel(3));
    }
    project.multiplexer.selectedPort = c.storedPort;
    EXPECT_EQ(project.SelectedPort(), c.port);
    EXPECT_EQ(project.SelectedPanelType(), c.panelType);
  }
}

TEST_F(ProjectModelTest, BackReferencesFollowCopiesAndMoves) {
  TQMProject original = testing::MakeKeypadProject(Services());
  TQMProject copy(original);
  ASSERT_EQ(copy.PanelCount(), 1u);
  const TQMPanel& panel = copy.Panel(0);
  EXPECT_EQ(panel.project, &copy);
  EXPECT_EQ(panel.messages[0].panel, &panel);
  EXPECT_EQ(panel.messages[0].data1.project, &copy);
  EXPECT_EQ(panel.messages[0].data1.decimalPointTag.project, &copy);
  EXPECT_EQ(panel.passwordRegister.project, &copy);
  EXPECT_TRUE(copy.Equals(original));
  EXPECT_EQ(plc.lastPath, "/opt/lumora/dll/TDL205.so");  // the copy loads its own library

  TQMProject moved(std::move(copy));
  EXPECT_EQ(moved.Panel(0).project, &moved);
  EXPECT_EQ(moved.Panel(0).messages[1].data3.project, &moved);
}

TEST_F(ProjectModelTest, CopyKeepsTagMapOnlyWhenLinked) {
  TQMProject linked(Services());
  linked.tagMapLinked = true;
  linked.tagMapPath = "/maps/plant.map";
  linked.textPanelTagMap.entries["PUMP"] = "V100,5,1";
  TQMProject copy(linked);
  EXPECT_TRUE(copy.tagMapLinked);
  EXPECT_EQ(copy.textPanelTagMap.entries.at("PUMP"), "V100,5,1");
  EXPECT_EQ(copy.tagMapPath, "/maps/plant.map");

  linked.tagMapLinked = false;
  TQMProject target(Services());
  target.textPanelTagMap.entries["KEEP"] = "V1";
  target = linked;
  EXPECT_FALSE(target.tagMapLinked);
  EXPECT_EQ(target.textPanelTagMap.entries.count("KEEP"), 1u);
}

TEST_F(ProjectModelTest, TagEqualityComparesEncodingNotText) {
  TQMProject project(Services());
  project.plcSettings.addressSize = 4;
  TQMTag a(&project), b(&project);
  SetTarvoAddress(a, "V100");
  SetTarvoAddress(b, "V100");
  b.address = "v0100";
  b.tagName = "OTHER";
  EXPECT_TRUE(a.Equals(b));
  b.encodedAddress[3] ^= 1;
  EXPECT_FALSE(a.Equals(b));
  b.encodedAddress = a.encodedAddress;
  b.valueType = kBinary16;
  EXPECT_FALSE(a.Equals(b));

  // A damaged address size compares what the encodings hold, quickly.
  b.valueType = a.valueType;
  project.plcSettings.addressSize = 2000000000;
  EXPECT_TRUE(a.Equals(b));
  project.plcSettings.addressSize = 4;

  TQMTag emptyA(&project), emptyB(&project);
  emptyB.valueType = kBinary32;
  EXPECT_TRUE(emptyA.Equals(emptyB));
}

TEST_F(ProjectModelTest, MessageEqualitySeesEverySpaceAndIgnoresAbsentItems) {
  TQMProject project(Services());
  TQMPanel panel(&project, kPanelQM210);
  TQMMessage a = panel.NewMessage(), b = panel.NewMessage();
  a.text = "HELLO";
  b.text = "HELLO";
  SetTarvoAddress(b.data2, "V5");  // data item 2 is not in the text, so no file keeps it
  EXPECT_TRUE(a.Equals(b));
  for (const char* shifted : {" HELLO", "HELLO ", "HEL LO"}) {
    b.text = shifted;
    EXPECT_FALSE(a.Equals(b)) << shifted;
  }
  b.text = a.text;
  b.leadingZeros[2] = true;
  EXPECT_FALSE(a.Equals(b));
}

TEST_F(ProjectModelTest, AssignCompatibleKeepsFamilyContent) {
  TQMProject project(Services());
  TQMPanel qm410(&project, kPanelQM410);
  qm410.port = 3;
  for (int i = 0; i < 4; ++i)
    SetTarvoAddress(qm410.lineRegisters[static_cast<size_t>(i)], "V" + std::to_string(10 + i));
  TQMMessage message = qm410.NewMessage();
  message.number = 1;
  message.isPlcMessage = 1;
  message.text = "A";
  message.data1.passwordProtected = true;
  qm410.messages.push_back(message);
  qm410.localPassword = 99;

  TQMPanel qm210(&project, kPanelQM210);
  qm210.AssignCompatible(qm410);
  EXPECT_EQ(qm210.messages.size(), 1u);
  EXPECT_EQ(qm210.lineRegisters[1].address, "V11");
  EXPECT_TRUE(qm210.lineRegisters[2].IsEmpty());
  EXPECT_TRUE(qm210.lineRegisters[3].IsEmpty());
  EXPECT_EQ(qm210.port, 3);
  EXPECT_FALSE(qm210.messages[0].data1.passwordProtected);  // only a QM210K has passwords
  EXPECT_EQ(qm210.localPassword, 0u);
  EXPECT_EQ(qm210.panelType, kPanelQM410);  // the caller sets the new type afterwards
  EXPECT_EQ(qm210.messages[0].panel, &qm210);

  TQMPanel keypad(&project, kPanelQM210K);
  keypad.AssignCompatible(qm410);
  EXPECT_TRUE(keypad.messages[0].data1.passwordProtected);
  EXPECT_EQ(keypad.localPassword, 99u);

  TQMPanel setPoint(&project, kPanelQMSV);
  qm410.buttonLeds.ledMode = {2, 2, 2, 2, 2};
  setPoint.AssignCompatible(qm410);
  EXPECT_TRUE(setPoint.messages.empty());
  EXPECT_EQ(setPoint.buttonLeds.ledMode, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
  EXPECT_TRUE(setPoint.lineRegisters[0].IsEmpty());
  EXPECT_EQ(setPoint.firstLocalNumber, 0);
}

TEST_F(ProjectModelTest, AddressCountCountsThePlcPasswordRegisterOnce) {
  TQMProject project(Services());
  TQMPanel panel(&project, kPanelQM210K);
  EXPECT_EQ(panel.AddressCount(), 5);
  TQMMessage message = panel.NewMessage();
  message.text = std::string(3, static_cast<char>(0xFF)) + static_cast<char>(0xFC) +
                 std::string(2, static_cast<char>(0xFD));
  message.data1.variableDecimal = true;
  message.data1.passwordProtected = true;
  panel.messages.push_back(message);
  EXPECT_EQ(panel.AddressCount(), 5 + 2 + 1);
  panel.messages[0].data1.useLocalPassword = false;
  EXPECT_EQ(panel.AddressCount(), 5 + 1 + 2 + 1);
  panel.messages.push_back(panel.messages[0]);
  EXPECT_EQ(panel.AddressCount(), 5 + 1 + 3 + 3);

  TQMPanel setPoint(&project, kPanelQMSV);
  TQMMessage value = setPoint.NewMessage();
  value.text = "LEVEL";
  setPoint.messages.push_back(value);
  EXPECT_EQ(setPoint.AddressCount(), 1);
  setPoint.messages[0].hasSetPoint = true;
  EXPECT_EQ(setPoint.AddressCount(), 2);
}

TEST_F(ProjectModelTest, TagListSkipsEmptyAddressesAndResolvesBack) {
  TQMProject project = testing::MakeKeypadProject(Services());
  TQMPanel& panel = project.Panel(0);
  panel.messages[1].data1.address.clear();  // V200 removed: the next tag takes its place in the list
  TQMTagList list;
  panel.BuildTagList(list);
  std::vector<std::string> order;
  for (const TQMTag& tag : list.tags)
    order.push_back(tag.address);
  EXPECT_EQ(order, (std::vector<std::string>{"V100", "V101", "V102", "V202", "V300", "V2002", "V2000",
                                             "V2001", "V2010", "V2011", "V2020"}));
  EXPECT_EQ(panel.messages[1].data1.index, kNoTagIndex);
  EXPECT_EQ(panel.messages[1].data3.index, 4);
  EXPECT_EQ(panel.passwordRegister.index, 11);
  EXPECT_EQ(panel.lineRegisters[2].index, kNoTagIndex);

  TQMPanel fresh(&project, kPanelQM210K);
  fresh.messages = panel.messages;
  fresh.ReseatBackReferences();
  for (TQMMessage& m : fresh.messages)
    m.ResetDataItems();
  fresh.messages[0].data1.index = 1;
  fresh.messages[0].data2.index = 3;
  fresh.messages[0].data3.index = 0;
  fresh.passwordRegister.index = 11;
  fresh.lineRegisters[0].index = 12;  // beyond the list: unchanged
  fresh.ResolveFromTagList(list);
  EXPECT_EQ(fresh.messages[0].data1.address, "V100");
  EXPECT_EQ(fresh.messages[0].data2.address, "V102");
  EXPECT_EQ(fresh.messages[0].data2.valueType, kBinary16);
  EXPECT_TRUE(fresh.messages[0].data3.IsEmpty());
  EXPECT_EQ(fresh.passwordRegister.tagName, "PASSWORD");
  EXPECT_TRUE(fresh.lineRegisters[0].IsEmpty());
}

TEST_F(ProjectModelTest, ForEachTagVisitsInProjectOrder) {
  TQMProject project = testing::MakeKeypadProject(Services());
  std::vector<std::string> visited;
  project.ForEachTag([&visited](TQMTag& tag) { visited.push_back(tag.address); });
  EXPECT_EQ(visited, (std::vector<std::string>{"V2000", "V2001", "V2002", "V2010", "V2011", "V2020", "V100",
                                               "V101", "V102", "V200", "V202", "V300"}));
  project.ClearAllAddresses();
  int nonEmpty = 0;
  project.ForEachTag([&nonEmpty](TQMTag& tag) { nonEmpty += !tag.IsEmpty(); });
  EXPECT_EQ(nonEmpty, 0);
  EXPECT_EQ(project.Panel(0).messages.size(), 4u);
  EXPECT_EQ(project.Panel(0).buttonLeds.ledWord.valueType, kBinary16);
}

TEST_F(ProjectModelTest, LedModesPackAndUnpack) {
  std::array<int32_t, 5> modes{0, 1, 2, 0, 1};
  uint16_t word = PackLedModes(modes);
  EXPECT_EQ(word, 0x0001 | 0x0002 | 0x0040 | 0x0008 | 0x0010 | 0x0200);
  std::array<int32_t, 5> unpacked{2, 2, 0, 2, 2};
  UnpackLedModes(word, unpacked);
  EXPECT_EQ(unpacked, modes);
  std::array<int32_t, 5> kept{1, 1, 1, 1, 1};
  UnpackLedModes(0x0020, kept);  // LED 1 has (1,0): unchanged; the others read as mode 2
  EXPECT_EQ(kept, (std::array<int32_t, 5>{1, 2, 2, 2, 2}));
}

TEST_F(ProjectModelTest, MessageLimits) {
  TQMProject project(Services());
  TQMPanel panel(&project, kPanelQM210);
  for (int i = 0; i < 255; ++i) {
    TQMMessage message = panel.NewMessage();
    message.number = 256 - i;
    panel.messages.push_back(message);
  }
  EXPECT_FALSE(CheckRoomForMessage(panel));
  EXPECT_FALSE(CheckPlcMessageNumber(panel, 1));
  EXPECT_EQ(CheckPlcMessageNumber(panel, 2)->text,
            "Error M003: Cannot add a message with message number greater than 256.");
  panel.messages.push_back(panel.NewMessage());
  EXPECT_EQ(
      CheckRoomForMessage(panel)->text,
      "Error M001: Unable to add a new Message/Folder.\n\nPossible cause: All the available 256 messages "
      "have been programmed ");

  TQMPanel full(&project, kPanelQM410);
  TQMMessage wide = full.NewMessage();
  wide.text = std::string(1, static_cast<char>(0xFF)) + static_cast<char>(0xFE) + static_cast<char>(0xFD);
  for (int i = 0; i < 97; ++i)
    full.messages.push_back(wide);
  EXPECT_EQ(full.AddressCount(), 6 + 291);
  EXPECT_FALSE(CheckAddressLimit(full, wide));
  full.messages.push_back(wide);
  TQMMessage narrow = full.NewMessage();
  narrow.text = std::string(1, static_cast<char>(0xFF));
  EXPECT_EQ(CheckAddressLimit(full, narrow)->text, "Error T001: PLC Address count exceeds maximum limit");
}

TEST_F(ProjectModelTest, NextPlcMessageNumberSkipsTakenNumbers) {
  TQMProject project(Services());
  TQMPanel panel(&project, kPanelQM210);
  EXPECT_EQ(NextPlcMessageNumber(panel, 0), 1);
  for (int n : {1, 2, 4}) {
    TQMMessage message = panel.NewMessage();
    message.number = n;
    message.isPlcMessage = 1;
    panel.messages.push_back(message);
  }
  EXPECT_EQ(NextPlcMessageNumber(panel, 1), 3);
  EXPECT_EQ(NextPlcMessageNumber(panel, 0), 5);
}

TEST_F(ProjectModelTest, ListUnconfiguredOnlyWithoutLocalMessages) {
  TQMProject project = testing::MakeKeypadProject(Services());
  std::vector<std::string> lines;
  project.Panel(0).ListUnconfigured(lines);
  EXPECT_TRUE(lines.empty());
  TQMPanel empty(&project, kPanelQM210);
  empty.ListUnconfigured(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"The following items have not been configured:\n\n",
                                             "No Local Messages configured\n"}));
}

TEST_F(ProjectModelTest, ProjectEqualityAndDifferencesAgree) {
  TQMProject a = testing::MakeMultiplexerProject(Services());
  TQMProject b(a);
  EXPECT_TRUE(a.Equals(b));
  EXPECT_TRUE(DescribeDifferences(a, b).empty());

  b.FindPanel(2)->messages[0].data1.encodedAddress[3] = 0x77;
  EXPECT_FALSE(a.Equals(b));
  auto lines = DescribeDifferences(a, b);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Port 2 (QM210), message 1, data 1"), std::string::npos) << lines[0];

  TQMProject c(a);
  c.FindPanel(5)->beeperEnabled = false;
  c.plcSettings.plcAttributes.back() ^= 1;
  EXPECT_FALSE(a.Equals(c));
  EXPECT_EQ(DescribeDifferences(a, c).size(), 2u);

  TQMProject d(a);
  d.FindPanel(5)->port = 4;
  EXPECT_FALSE(a.Equals(d));
  EXPECT_EQ(DescribeDifferences(a, d).size(), 2u);
}

}  // namespace
}  // namespace lumora
