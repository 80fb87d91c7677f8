#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "link/comm_log.h"
#include "link/commands.h"
#include "link/link_speed.h"
#include "link/link_timeouts.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "model/project_compare.h"
#include "plc/plc_manager.h"
#include "support/run_process.h"
#include "support/sample_projects.h"
#include "support/transfer_fixture.h"
#include "transfer/operations.h"
#include "transfer/panel_information.h"
#include "transfer/progress_reporter.h"
#include "transfer/project_helper.h"
#include "transfer/tag_table.h"
#include "transfer/transfer_texts.h"
#include "transfer/unit_exchange.h"

namespace lumora {
namespace {

using testing::RecordingSink;
using testing::SetTarvoAddress;
using testing::Simulator;
using testing::StageDir;
using testing::TransferFixture;

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

class TransferTest : public ::testing::Test, public TransferFixture {
 protected:
  std::string TraceFile() { return dir.File("trace.txt"); }
  std::string StateFile() { return dir.File("state.json"); }

  void ExpectNoViolations() {
    std::string trace = Trace(TraceFile());
    EXPECT_EQ(trace.find("VIOLATION"), std::string::npos)
        << trace.substr(trace.find("VIOLATION") == std::string::npos ? 0 : trace.find("VIOLATION"), 400);
  }

  // Write, read back, compare.
  void WriteReadVerify(TQMProject& project, const std::vector<std::string>& simulator,
                       TransferTarget target = TransferTarget::WriteProject) {
    Simulator sim(simulator);
    ASSERT_FALSE(sim.Path().empty());
    RecordingSink written = RunOperation(project, TransferOperation::Write, sim.Path(), target);
    ASSERT_TRUE(written.Errors().empty()) << written.Errors()[0];
    ASSERT_TRUE(finished);
    EXPECT_EQ(written.Steps().back(), kStepWriteFinished);

    TQMProject read = ReadProject();
    RecordingSink reading = RunOperation(read, TransferOperation::Read, sim.Path());
    ASSERT_TRUE(reading.Errors().empty()) << reading.Errors()[0];
    ASSERT_TRUE(finished);
    EXPECT_EQ(reading.Steps().back(), kStepReadFinished);
    VerifyResult result = CompareWithPanel(project, read);
    EXPECT_TRUE(result.same) << ::testing::PrintToString(result.differences);
    EXPECT_EQ(result.text, "Project file on PC is same as the \nproject loaded in the panel");
    sim.Stop();
    ExpectNoViolations();
  }

  TQMProject Qm410Project() {
    TQMProject project(Services());
    project.plcSettings.SetHeader(31, 2);
    for (uint8_t byte : {7, 0, 1, 3, 1, 10, 3})
      project.plcSettings.plcAttributes.push_back(byte);
    TQMPanel panel(&project, kPanelQM410);
    for (int i = 0; i < 4; ++i)
      SetTarvoAddress(panel.lineRegisters[static_cast<size_t>(i)], "V" + std::to_string(3010 + i));
    SetTarvoAddress(panel.buttonLeds.ledWord, "V3000", kBinary16);
    panel.buttonLeds.ledMode = {1, 0, 2, 1, 0};
    TQMMessage message = panel.NewMessage();
    message.number = 4;
    message.isPlcMessage = 1;
    message.text = "A" + Markers(0xFF, 10) + Markers(0xFE, 2) + Markers(0xFD, 3);
    SetTarvoAddress(message.data1, "V400", kBinary32);
    SetTarvoAddress(message.data2, "V402", kBinary16);
    SetTarvoAddress(message.data3, "V403", kBcd16);
    message.leadingZeros = {false, true, true};
    panel.messages.push_back(message);
    TQMMessage local = panel.NewMessage();
    local.number = 256;
    local.text = "LOCAL " + Markers(0xFF, 3) + "\xFC";
    SetTarvoAddress(local.data1, "V404");
    local.data1.variableDecimal = true;
    SetTarvoAddress(local.data1.decimalPointTag, "V405", kBinary16);
    panel.messages.push_back(local);
    panel.firstLocalNumber = 5;
    project.PutPanel(panel);
    Prepare(project);
    return project;
  }

  TQMProject SetPointProject() {
    TQMProject project(Services());
    project.plcSettings.SetHeader(40, 1);
    for (uint8_t byte : {6, 0, 1, 3, 2, 10})
      project.plcSettings.plcAttributes.push_back(byte);
    TQMPanel panel(&project, kPanelQMSV);
    panel.lineRegisters[0].address = "40100";
    for (int n = 1; n <= 3; ++n) {
      TQMMessage message = panel.NewMessage();
      message.number = n;
      message.isPlcMessage = 1;
      message.hasSetPoint = true;
      message.text = "SETPOINT " + std::to_string(n);
      message.data1.address = "4010" + std::to_string(n);
      message.data1.valueType = kBinary32;
      message.data1.fixedDecimals = static_cast<int16_t>(n == 2 ? 2 : -1);
      message.data1.limitsEnabled = n == 3;
      message.data1.maxValue = 5000;
      message.leadingZeros = {n == 1, false, false};
      panel.messages.push_back(message);
    }
    panel.firstLocalNumber = 1;
    project.PutPanel(panel);
    Prepare(project, "MODRTU");
    return project;
  }
};

TEST_F(TransferTest, DemoProjectWritesReadsAndVerifies) {
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  WriteReadVerify(project, {"--panel", "QM210", "--trace", TraceFile()});
}

TEST_F(TransferTest, KeypadPanelWithPasswordsAndAnnunciator) {
  TQMProject project = testing::MakeKeypadProject(Services());
  // A text panel's message record has no place for fixed decimals; they come back as none.
  project.Panel(0).messages[1].data1.fixedDecimals = -1;
  Prepare(project);
  WriteReadVerify(project, {"--panel", "QM210K", "--trace", TraceFile()});
}

TEST_F(TransferTest, FourLinePanelWithWideItems) {
  TQMProject project = Qm410Project();
  WriteReadVerify(project, {"--panel", "QM410", "--trace", TraceFile()});
}

TEST_F(TransferTest, SetPointPanel) {
  TQMProject project = SetPointProject();
  WriteReadVerify(project, {"--panel", "QMSV", "--plc", "40:1", "--trace", TraceFile()});
}

TEST_F(TransferTest, MultiplexerProjectWrittenWhole) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  WriteReadVerify(project, {"--mux", "2:QM210,5:QMSV", "--empty-port-std", "--trace", TraceFile()});
  // "Please ensure all panels are connected" comes first.
  EXPECT_EQ(ui.Texts().front(), "Please ensure all panels are connected to the multiplexer and click OK.");
}

TEST_F(TransferTest, MultiplexerTargets) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  {
    Simulator sim({"--mux", "2:QM210,5:QMSV", "--trace", TraceFile(), "--state", StateFile()});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::Multiplexer);
    ASSERT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
    EXPECT_TRUE(finished);
    sim.Stop();
    EXPECT_TRUE(StoredMessages(StateFile(), 2).empty());
    EXPECT_TRUE(TraceLines(TraceFile(), "IN  aa 31 10 01 b5").empty());
    EXPECT_FALSE(TraceLines(TraceFile(), "IN  aa 09 10 01 29").empty());  // the multiplexer's attributes
    ExpectNoViolations();
  }
  {
    std::remove(StateFile().c_str());
    Simulator sim({"--mux", "2:QM210,5:QMSV", "--trace", TraceFile(), "--state", StateFile()});
    RecordingSink sink =
        RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::Panel2);  // through the multiplexer
    ASSERT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
    sim.Stop();
    std::vector<int> stored = StoredMessages(StateFile(), 2);
    EXPECT_EQ(stored.size(), 2u + 7u);
    EXPECT_TRUE(StoredMessages(StateFile(), 5).empty());
    std::vector<std::string> in = TraceLines(TraceFile(), "IN  ");
    ASSERT_GE(in.size(), 2u);
    EXPECT_EQ(in.front().substr(0, 21), "IN  aa 07 10 01 c1 02");
    EXPECT_EQ(in.back().substr(0, 21), "IN  aa 07 10 01 c1 00");
    ExpectNoViolations();
  }
  {
    // Connected straight to the panel: no switch before the write, the closing switch still goes.
    Simulator sim({"--panel", "QM210", "--trace", TraceFile()});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::Panel2, true);
    ASSERT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
    EXPECT_TRUE(finished);
    sim.Stop();
    std::vector<std::string> in = TraceLines(TraceFile(), "IN  ");
    EXPECT_EQ(in.front(), "IN  aa 06 10 01 12 b8 65");
    EXPECT_EQ(in.back().substr(0, 21), "IN  aa 07 10 01 c1 00");
    EXPECT_EQ(TraceLines(TraceFile(), "IN  aa 07 10 01 c1").size(), 1u);
  }
}

// A chosen port without a panel, or no unit chosen, would write nothing: that is said, and nothing is sent.
TEST_F(TransferTest, AWriteOfNothingSendsNothingAndSaysSo) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  const std::pair<TransferTarget, const char*> cases[] = {
      {TransferTarget::Panel3, "Port 3 has no panel in this project: nothing was written."},
      {TransferTarget::None, "No unit was chosen: nothing was written."},
  };
  for (const auto& [target, text] : cases) {
    Simulator sim({"--mux", "2:QM210,5:QMSV", "--trace", TraceFile()});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path(), target);
    EXPECT_EQ(sink.Errors(), std::vector<std::string>{text});
    EXPECT_FALSE(finished);
    sim.Stop();
    EXPECT_TRUE(TraceLines(TraceFile(), "IN  ").empty());
  }
}

TEST_F(TransferTest, BlankMessagesFillTheGapsBetweenPlcMessages) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  for (uint8_t byte : {7, 0, 1, 3, 1, 10, 3})
    project.plcSettings.plcAttributes.push_back(byte);
  TQMPanel panel(&project, kPanelQM210);
  for (int number : {3, 7}) {
    TQMMessage message = panel.NewMessage();
    message.number = number;
    message.isPlcMessage = 1;
    message.text = "MESSAGE " + std::to_string(number);
    panel.messages.push_back(message);
  }
  TQMMessage local = panel.NewMessage();
  local.number = 256;
  local.text = "MENU";
  panel.messages.push_back(local);
  panel.firstLocalNumber = 8;
  project.PutPanel(panel);
  Prepare(project);
  Simulator sim({"--panel", "QM210", "--trace", TraceFile(), "--state", StateFile()});
  RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
  ASSERT_TRUE(sink.Errors().empty());
  sim.Stop();
  EXPECT_EQ(StoredMessages(StateFile()),
            (std::vector<int>{3, 4, 5, 6, 7, 8, 257, 258, 259, 260, 261, 262, 263}));
  EXPECT_EQ(StoredMessage(StateFile(), 5).substr(0, 8), "0005ffff");
  // No tags at all: the map image is the 3-byte header, sent in the end block.
  std::vector<std::string> map = TraceLines(TraceFile(), "IN  aa 0c 10 01 b7");
  ASSERT_EQ(map.size(), 1u);
  EXPECT_EQ(map[0].substr(0, 36), "IN  aa 0c 10 01 b7 01 02 03 00 00 04");
  ExpectNoViolations();
}

TEST_F(TransferTest, ProjectsThePanelCannotHoldAreNeverSent) {
  TQMProject project = testing::MakeKeypadProject(Services());
  Prepare(project);
  project.Panel(0).messages[0].text = Markers(0xFF, 200);  // 200 positions of data item 1
  TQMMessage duplicate = project.Panel(0).messages[1];
  project.Panel(0).messages.push_back(duplicate);
  Simulator sim({"--panel", "QM210K", "--trace", TraceFile()});
  RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
  EXPECT_FALSE(finished);
  ASSERT_EQ(sink.Errors().size(), 1u);
  EXPECT_EQ(sink.Errors()[0].rfind("The project cannot be written to the panel as it is:", 0), 0u);
  EXPECT_NE(sink.Errors()[0].find("Error Z005:  The Maximum message length has exceeded."),
            std::string::npos);
  EXPECT_NE(sink.Errors()[0].find("is used twice"), std::string::npos);
  sim.Stop();
  EXPECT_TRUE(TraceLines(TraceFile(), "IN  ").empty());  // not one byte went to the panel
}

TEST_F(TransferTest, FailedMultiplexerWriteKeepsTheSelectedPort) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  project.multiplexer.selectedPort = 5;
  // The QM210 expected on port 2 is a QM410: the write stops at port 2.
  Simulator sim({"--mux", "2:QM410,5:QMSV", "--empty-port-std", "--trace", TraceFile()});
  RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::WriteProject);
  EXPECT_FALSE(finished);
  EXPECT_FALSE(sink.Errors().empty());
  EXPECT_EQ(project.multiplexer.selectedPort, 5);
  // Also when the multiplexer part is written and a panel behind it fails.
  RecordingSink panelOnly = RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::Panel2);
  EXPECT_FALSE(panelOnly.Errors().empty());
  EXPECT_EQ(project.multiplexer.selectedPort, 5);
}

TEST_F(TransferTest, AReadBringingSomethingNewReplacesTheProjectAtPortOne) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  project.fileName = "plant.lmx";
  project.FindPanel(5)->messages[0].text = "FILL LEVEL  ";  // the panel keeps no spaces at the end
  Simulator sim({"--mux", "2:QM210,5:QMSV", "--empty-port-std"});
  ASSERT_TRUE(RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::WriteProject).Errors().empty());

  // The same as the panels hold: the project keeps what the panels do not (names, tag map, its port).
  TQMProject same = ReadProject();
  ASSERT_TRUE(RunOperation(same, TransferOperation::Read, sim.Path()).Errors().empty());
  EXPECT_FALSE(AdoptReadProject(project, same));
  EXPECT_TRUE(CompareWithPanel(project, same).same);

  // Anything else: the read project takes the document's name and shows the first port.
  TQMProject changed(project);
  changed.FindPanel(2)->messages[0].text += "!";
  changed.multiplexer.selectedPort = 2;
  TQMProject read = ReadProject();
  ASSERT_TRUE(RunOperation(read, TransferOperation::Read, sim.Path()).Errors().empty());
  ASSERT_NE(read.multiplexer.selectedPort, 1);  // the read ended on the last panel
  EXPECT_TRUE(AdoptReadProject(changed, read));
  EXPECT_EQ(read.multiplexer.selectedPort, 1);
  EXPECT_EQ(read.fileName, "plant.lmx");
}

TEST(ProgressReporterTest, AWritesPercentageIsTheShareOfItsBytesSent) {
  struct Case {
    int64_t total;
    std::vector<int64_t> sends;
    int percent;
  };
  const std::vector<Case> cases = {
      {400, {100}, 25}, {400, {100, 100}, 50}, {3, {1}, 33}, {3, {2}, 66},
      {1000, {999}, 99}, {400, {400}, 100}, {400, {300, 300}, 100},  // never beyond the whole
      {0, {50}, 0},                                                // nothing to count: no share
  };
  for (const Case& c : cases) {
    TransferContext context(nullptr, TransferOperation::Write, nullptr, nullptr);
    ProgressReporter report(context);
    report.StartCounting(c.total);
    for (int64_t bytes : c.sends)
      report.CountSent(bytes);
    EXPECT_EQ(report.Percent(), c.percent) << c.total << " bytes";
  }
}

TEST_F(TransferTest, ReadRefusesAnAccessTypeNoFileCanHold) {
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  {
    Simulator sim({"--panel", "QM210", "--state", StateFile()});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    ASSERT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
  }
  // Access bits 3 in the flag byte (the last of the record) of message 1.
  QFile file(QString::fromStdString(StateFile()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
  file.close();
  QJsonObject unit = root.value("0").toObject();
  QJsonObject messages = unit.value("messages").toObject();
  QByteArray record = QByteArray::fromHex(messages.value("1").toString().toLatin1());
  ASSERT_EQ(record.size(), 43);
  record[42] = static_cast<char>(record[42] | 0x0C);
  messages["1"] = QString::fromLatin1(record.toHex());
  unit["messages"] = messages;
  root["0"] = unit;
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(QJsonDocument(root).toJson());
  file.close();

  Simulator sim({"--panel", "QM210", "--state", StateFile()});
  TQMProject read = ReadProject();
  RecordingSink sink = RunOperation(read, TransferOperation::Read, sim.Path());
  EXPECT_FALSE(finished);
  ASSERT_EQ(sink.Errors().size(), 1u);
  EXPECT_EQ(sink.Errors()[0],
            "ERROR On COM Port. Error T007: Unknown access type specified for PLC Address.");
}

TEST_F(TransferTest, AUnitThatAnswersAfterTheTimeOutEndsTheWriteWithTheTimeOutText) {
  // The standard waits: one delay just above a byte's time-out, one well inside the retry's. Each packet
  // is answered, late; neither answer may be taken for the repeated packet's or a later command's.
  ScopedLinkTimeouts standard(DefaultLinkTimeouts());
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  for (std::string delay : {"2600", "3000"}) {
    SCOPED_TRACE(delay);
    std::string trace = dir.File("trace-" + delay + ".txt");
    std::string log = dir.File("Write-" + delay + ".txt");
    Simulator sim({"--panel", "QM210", "--reply-delay", delay, "--trace", trace});
    ASSERT_FALSE(sim.Path().empty());
    SetLinkSpeed(9600);
    OpenCommLog(log);
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    CloseCommLog();
    sim.Stop();
    EXPECT_EQ(sink.Errors(), std::vector<std::string>{"ERROR On COM Port. " + TQMErrorResp(2).GetErrorText()});
    EXPECT_FALSE(finished);
    // The status request and its repetition, both answered; the write went no further.
    std::vector<std::string> in = TraceLines(trace, "IN ");
    ASSERT_EQ(in.size(), 2u);
    EXPECT_EQ(in[0], "IN  aa 06 10 01 12 b8 65");
    EXPECT_EQ(in[1], in[0]);
    std::vector<std::string> out = TraceLines(trace, "OUT ");
    ASSERT_EQ(out.size(), 2u);
    // Both late replies are in the communication log, named as such.
    std::string text = Trace(log);
    std::string reply = out[0].substr(4);
    size_t first = text.find(reply);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(reply, first + 1), std::string::npos) << text;
    EXPECT_NE(text.find("-- late replies: the unit answers after the time-out\n"), std::string::npos) << text;
  }
}

TEST_F(TransferTest, OldFirmwareStopsBeforeAnythingIsCleared) {
  TQMProject project = testing::MakeKeypadProject(Services());
  Prepare(project);
  Simulator sim({"--panel", "QM210K", "--firmware", "A.7", "--trace", TraceFile()});
  RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
  EXPECT_TRUE(sink.Errors().empty());
  EXPECT_FALSE(finished);
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(ui.Texts().back().rfind(
                "The panel has an older version of the firmware (A.7) which is not compatible \nwith", 0),
            0u);
  EXPECT_NE(ui.Texts().back().find(StageDir() + "/Firmware/"), std::string::npos);
  sim.Stop();
  EXPECT_EQ(TraceLines(TraceFile(), "IN  ").size(), 1u);
}

TEST_F(TransferTest, CancelDuringMessagesLeavesOnlyTheSystemMessages) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  for (uint8_t byte : {7, 0, 1, 3, 1, 10, 3})
    project.plcSettings.plcAttributes.push_back(byte);
  TQMPanel panel(&project, kPanelQM210);
  for (int number = 1; number <= 60; ++number) {
    TQMMessage message = panel.NewMessage();
    message.number = number;
    message.isPlcMessage = 1;
    message.text = "LINE " + std::to_string(number);
    panel.messages.push_back(message);
  }
  panel.firstLocalNumber = 61;
  project.PutPanel(panel);
  Prepare(project);
  Simulator sim({"--panel", "QM210", "--reply-delay", "20", "--state", StateFile(), "--trace", TraceFile()});
  RecordingSink sink;
  TransferContext context(&project, TransferOperation::Write, &ui, &sink);
  context.portName = sim.Path();
  UnitExchange exchange(context);
  exchange.Start();
  for (int wait = 0; wait < 500; ++wait) {
    auto steps = sink.Steps();
    if (std::find(steps.begin(), steps.end(), kStepMessagesStart) != steps.end()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  exchange.Cancel();
  EXPECT_FALSE(context.finished);
  EXPECT_TRUE(sink.Errors().empty());
  sim.Stop();
  EXPECT_EQ(StoredMessages(StateFile()), (std::vector<int>{257, 258, 259, 260, 261, 262, 263}));
  EXPECT_EQ(TraceLines(TraceFile(), "IN  aa 06 10 01 0b").size(), 2u);  // cleared, then cleared again
  EXPECT_TRUE(TraceLines(TraceFile(), "IN  aa 09 10 01 b7").empty());   // no map data after the cancel
}

TEST_F(TransferTest, WrongPanelTypeAndSilentPanel) {
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  {
    Simulator sim({"--panel", "QM410"});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    EXPECT_EQ(sink.Errors(),
              (std::vector<std::string>{
                  "ERROR On COM Port. Error C001: The panel connected to the PC is different from the "
                  "configured one"}));
  }
  {
    Simulator sim({"--panel", "QM210", "--silent"});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    ASSERT_EQ(sink.Errors().size(), 1u);
    EXPECT_EQ(
        sink.Errors()[0],
        "ERROR On COM Port. Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter Setup "
        "Mode, press the up and down arrow keys\nsimultaneously.");
  }
  RecordingSink noPort = RunOperation(project, TransferOperation::Write, dir.File("no-port"));
  ASSERT_EQ(noPort.Events().size(), 1u);
  EXPECT_EQ(noPort.Errors()[0], "Error C003: Error opening port");
  EXPECT_NE(noPort.Events()[0].hint.find("does not exist"), std::string::npos);
}

TEST_F(TransferTest, RefusedAttributesAreNotASuccess) {
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  {
    Simulator sim({"--panel", "QM210", "--error", "3@B9"});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    EXPECT_EQ(sink.Errors(),
              (std::vector<std::string>{"ERROR On COM Port. Error C010: Invalid Message Code"}));
    EXPECT_FALSE(finished);
  }
  {
    Simulator sim({"--panel", "QM210", "--error", "14@BC"});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    EXPECT_EQ(sink.Errors(),
              (std::vector<std::string>{"ERROR On COM Port. Error C021: Memory is Read Only"}));
    EXPECT_FALSE(finished);
  }
  {
    project.plcSettings.plcAttributes.resize(300, 0);  // more than one length byte can describe
    project.plcSettings.plcAttributes[32] = 0x0C;
    project.plcSettings.plcAttributes[33] = 0x01;
    Simulator sim({"--panel", "QM210", "--trace", TraceFile()});
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
    EXPECT_EQ(sink.Errors(),
              (std::vector<std::string>{"ERROR On COM Port. Error C015: Invalid Message Length"}));
    sim.Stop();
    for (const std::string& line : TraceLines(TraceFile(), "IN  "))
      EXPECT_NE(line.substr(16, 2), "bc") << line;
  }
}

TEST_F(TransferTest, TooManyTagsInThePanelIsT006BeforeAnotherBlock) {
  // A panel whose tag table claims 301 tags.
  std::string state = StateFile();
  {
    std::FILE* file = std::fopen(state.c_str(), "w");
    std::string table = "012d04";
    for (int i = 0; i < 60; ++i)
      table += "0008020100000a";
    std::fprintf(
        file,
        "{\"0\": {\"type\": \"QM210\", \"firmware\": \"B.2\", \"plc\": \"31:2\", \"tagTable\": \"%s\"}}",
        table.c_str());
    std::fclose(file);
  }
  Simulator sim({"--panel", "QM210", "--state", state, "--trace", TraceFile()});
  TQMProject read = ReadProject();
  RecordingSink sink = RunOperation(read, TransferOperation::Read, sim.Path());
  EXPECT_EQ(sink.Errors(),
            (std::vector<std::string>{"ERROR On COM Port. Error T006:  Error in reading PLC Addresses"}));
  sim.Stop();
  EXPECT_EQ(TraceLines(TraceFile(), "IN  aa 08 10 01 b6").size(), 1u);
}

TEST_F(TransferTest, ReadOfAPanelWithoutAPlcLibrary) {
  Simulator sim({"--panel", "QM210", "--plc", "88:8"});
  TQMProject read = ReadProject();
  RecordingSink sink = RunOperation(read, TransferOperation::Read, sim.Path());
  EXPECT_EQ(sink.Errors(),
            (std::vector<std::string>{
                "ERROR On COM Port. Error P007: PLC dll for this PLC (Manufacturer ID : 88, Model ID : "
                "8)\nnot found in this system"}));
}

TEST_F(TransferTest, MultiplexerFirmwareIsPaddedToAnEvenSize) {
  std::string image = dir.File("mux.s19");
  testing::ProcessResult made = testing::RunProcess(
      {testing::TestBinDir() + "/../tools/make_image", "srec", image, "0x10000", "101", "7"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  Simulator sim({"--mux", "2:QM210", "--trace", TraceFile()});
  TQMProject project(Services());
  project.AddPanel(kPanelQM210, 1);
  RecordingSink sink =
      RunOperation(project, TransferOperation::MultiplexerFirmware, sim.Path(), TransferTarget::None, false, image);
  ASSERT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
  EXPECT_TRUE(finished);
  EXPECT_EQ(sink.Events().back().statusText, "Download Completed Successfully");
  sim.Stop();
  std::vector<std::string> blocks = TraceLines(TraceFile(), "IN  aa");
  std::vector<std::string> exec;
  for (const std::string& line : blocks) {
    if (line.substr(16, 2) == "bd") exec.push_back(line.substr(4, 24));
  }
  ASSERT_EQ(exec.size(), 3u);
  EXPECT_EQ(exec[0], "aa 3b 10 01 bd 00 01 32 ");  // start with the first 50 bytes
  EXPECT_EQ(exec[1], "aa 3b 10 01 bd 01 00 32 ");
  EXPECT_EQ(exec[2], "aa 0b 10 01 bd 02 02 02 ");  // 101 bytes padded to 102
  std::string end = TraceLines(TraceFile(), "IN  aa 0b 10 01 bd")[0];
  EXPECT_EQ(end.substr(4 + 8 * 3 + 3, 2), "ff");
  ExpectNoViolations();

  std::string tiny = dir.File("tiny.s19");
  ASSERT_EQ(testing::RunProcess(
                {testing::TestBinDir() + "/../tools/make_image", "srec", tiny, "0x10000", "40", "7"})
                .exitCode,
            0);
  Simulator quiet({"--mux", "2:QM210", "--trace", dir.File("quiet.txt")});
  RecordingSink refused =
      RunOperation(project, TransferOperation::MultiplexerFirmware, quiet.Path(), TransferTarget::None, false, tiny);
  // Refused before the port is opened: the error is the file's.
  EXPECT_EQ(refused.Errors(), (std::vector<std::string>{"Error Z003: The file may be corrupted\n" + tiny +
                                                         ": the image is shorter than the first block of 50 bytes"}));
  quiet.Stop();
  EXPECT_TRUE(TraceLines(dir.File("quiet.txt"), "IN  ").empty());
}

TEST_F(TransferTest, PanelFirmwareUpgrade) {
  Simulator sim({"--panel", "QM210", "--restart-delay", "0.3", "--trace", TraceFile()});
  TQMProject project(Services());
  project.AddPanel(kPanelQM210, 1);
  RecordingSink sink = RunOperation(project, TransferOperation::PanelFirmware, sim.Path(), TransferTarget::None, false,
                                    StageDir() + "/Firmware/QM210B3.hex");
  ASSERT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
  EXPECT_TRUE(finished);
  EXPECT_EQ(sink.Events().back().statusText, "Downloading Completed Successfully");
  // The panel now reports the new revision.
  TransferContext context(&project, TransferOperation::Read, &ui, &sink);
  context.portName = sim.Path();
  std::optional<UnitInformation> info = QueryUnitInformation(context);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->firmwareRevision, "B.3");
  sim.Stop();
  ExpectNoViolations();

  RecordingSink missing =
      RunOperation(project, TransferOperation::PanelFirmware, sim.Path(), TransferTarget::None, false, dir.File("none.hex"));
  ASSERT_EQ(missing.Errors().size(), 1u);
  // The system's text, then the file on the next line.
  EXPECT_EQ(missing.Errors()[0], "No such file or directory\n" + dir.File("none.hex"));
}

TEST_F(TransferTest, PanelInformationAndClear) {
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  Simulator sim({"--panel", "QM210", "--plc", "0:0", "--state", StateFile()});
  RecordingSink sink;
  TransferContext context(&project, TransferOperation::Read, &ui, &sink);
  context.portName = sim.Path();
  std::optional<UnitInformation> info = QueryUnitInformation(context);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->modelText, "QM210");
  EXPECT_EQ(info->driverName, "No driver available on panel.");
  EXPECT_EQ(info->driverRevision, "");
  EXPECT_EQ(info->memorySize, "  32 KB");

  RecordingSink written = RunOperation(project, TransferOperation::Write, sim.Path());
  ASSERT_TRUE(written.Errors().empty());
  info = QueryUnitInformation(context);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->driverName, "Tarvo DL-205");
  EXPECT_EQ(info->driverRevision, "A");

  EXPECT_TRUE(ClearPanelMemory(context));
  EXPECT_EQ(ui.Texts().back(), "Panel(s) memory cleared");
  sim.Stop();
  EXPECT_TRUE(StoredMessages(StateFile()).empty());

  ConnectionTestResult none = RunConnectionTest(dir.File("no-port"), ui);
  EXPECT_EQ(none.errorText, "Error C003: Error opening port");
}

TEST_F(TransferTest, ClearingAMultiplexerSystemClearsEveryPort) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  // The project to clear with lists port 2 only; the panel on port 5 is on the line all the same.
  TQMProject portTwoOnly = project;
  portTwoOnly.multiplexer.ClearPort(5);
  portTwoOnly.multiplexer.selectedPort = 2;
  struct Case {
    const char* name;
    std::vector<std::string> emptyPorts;  // simulator options for ports without a panel
  };
  const Case cases[] = {{"empty ports are silent", {}}, {"empty ports answer error 3", {"--empty-port-std"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(StateFile().c_str());
    std::vector<std::string> options = {"--mux", "2:QM210,5:QMSV", "--trace", TraceFile(), "--state", StateFile()};
    options.insert(options.end(), c.emptyPorts.begin(), c.emptyPorts.end());
    Simulator sim(options);
    ASSERT_TRUE(RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::WriteProject).Errors().empty());
    RecordingSink sink;
    TransferContext context(&portTwoOnly, TransferOperation::Write, &ui, &sink);
    context.portName = sim.Path();
    EXPECT_TRUE(ClearPanelMemory(context));
    EXPECT_TRUE(sink.Errors().empty()) << sink.Errors()[0];
    EXPECT_EQ(ui.Texts().back(), "Panel(s) memory cleared");
    sim.Stop();
    EXPECT_TRUE(StoredMessages(StateFile(), 2).empty());
    EXPECT_TRUE(StoredMessages(StateFile(), 5).empty());
    // The write ends on the multiplexer's port; the clear takes the multiplexer, then ports 1 to 5 in
    // turn, then the multiplexer again.
    std::string switched;
    for (const std::string& line : TraceLines(TraceFile(), "IN  aa 07 10 01 c1 "))
      switched += line.substr(20, 1);
    ASSERT_GE(switched.size(), 8u);
    EXPECT_EQ(switched.substr(switched.size() - 8), "00123450");
    ExpectNoViolations();
  }
}

TEST_F(TransferTest, ConnectionTestFindsPanelOrMultiplexer) {
  {
    Simulator sim({"--panel", "QMSV"});
    SetLinkSpeed(9600);
    ConnectionTestResult result = RunConnectionTest(sim.Path(), ui);
    ASSERT_TRUE(result.unit) << result.errorText;
    EXPECT_FALSE(result.unit->multiplexer);
    EXPECT_EQ(result.unit->unitType, kPanelQMSV);
  }
  {
    Simulator sim({"--mux", "1:QM210", "--baud-check"});
    SetLinkSpeed(9600);
    ConnectionTestResult result = RunConnectionTest(sim.Path(), ui);
    ASSERT_TRUE(result.unit) << result.errorText;
    EXPECT_TRUE(result.unit->multiplexer);
    EXPECT_EQ(LinkSpeed(), 38400);
    SetLinkSpeed(9600);
  }
}

TEST_F(TransferTest, MuxTagListIsOrderedAndSharesEqualTags) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  Prepare(project);
  TQMPlcManager plc(project.plcLibrary.get(), ui);
  std::vector<TQMTag> tags = BuildMuxTagList(project, plc);
  std::vector<std::string> addresses;
  for (const TQMTag& tag : tags)
    addresses.push_back(tag.address);
  // V100 is used by both panels with the same value type: one entry.
  EXPECT_EQ(addresses, (std::vector<std::string>{"V100", "V3000", "V3010", "V4000"}));
  TQMTagList list;
  project.FindPanel(5)->BuildTagList(list);
  std::optional<std::vector<uint8_t>> image = BuildMapImage(list.tags, 4, true, tags);
  // Count 2, two bytes an address; V100 is entry 0 and V4000 entry 3, low byte first.
  ASSERT_TRUE(image);
  EXPECT_EQ(*image, (std::vector<uint8_t>{0, 2, 2, 0, 8, 2, 0, 0, 0, 8, 2, 3, 0}));
  // A panel tag the multiplexer does not know cannot be given an index: no table at all.
  tags.erase(tags.begin());
  EXPECT_FALSE(BuildMapImage(list.tags, 4, true, tags));
}

TEST(TransferTextsTest, TitlesAndSuccessTexts) {
  EXPECT_EQ(TargetTitle(TransferOperation::Write, kPanelQM210, 2), "Port 2 - QM210 Panel");
  EXPECT_EQ(TargetTitle(TransferOperation::Read, kPanelMultiplexer, 0), "COM Port - Multiplexer Panel");
  EXPECT_EQ(TargetTitle(TransferOperation::Write, kPanelNone, 3), "Port 3");
  EXPECT_EQ(TargetTitle(TransferOperation::Write, 9, 3), "Writing to Panel");
  EXPECT_EQ(TargetTitle(TransferOperation::PanelFirmware, kPanelQM210, 0), "Writing to Panel");
  EXPECT_EQ(SuccessText(kStepWriteFinished, false), "Project has been written to the panel successfully.");
  EXPECT_EQ(SuccessText(kStepReadFinished, true),
            "Project has been read from the multiplexer and panel(s) successfully.");
  EXPECT_EQ(OperationTitle(TransferOperation::Read), "Reading from Panel");
  EXPECT_EQ(ChecklistTexts(TransferOperation::Write)[5], "Writing PLC attributes. ");
}

}  // namespace
}  // namespace lumora
