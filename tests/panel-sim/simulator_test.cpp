#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <thread>

#include "link/commands.h"
#include "link/link_speed.h"
#include "link/link_timeouts.h"
#include "link/packet.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "model/project.h"
#include "support/run_process.h"
#include "support/simulator.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::Simulator;
using testing::TempDir;
using Bytes = std::vector<uint8_t>;

// For exchanges that are meant to time out: far shorter waits than a real panel needs.
LinkTimeouts Quick(int readConstantMs) {
  LinkTimeouts timeouts = DefaultLinkTimeouts();
  timeouts.readConstantMs = readConstantMs;
  return timeouts;
}

std::string ReadTrace(const std::string& path) {
  return TempDir::Read(path);
}

template <typename T>
T* Expect(std::unique_ptr<TQMXResp>& response) {
  std::string failure;
  T* typed = ExpectResponse<T>(response.get(), failure);
  EXPECT_NE(typed, nullptr) << failure;
  return typed;
}

class SimulatorTest : public ::testing::Test {
 protected:
  void SetUp() override { SetLinkSpeed(9600); }
  TempDir dir;
};

TEST_F(SimulatorTest, StatusOfEveryModel) {
  for (auto [name, type] : std::vector<std::pair<std::string, int>>{{"QM210", kPanelQM210},
                                                                    {"QM210G", kPanelQM210G},
                                                                    {"QM210K", kPanelQM210K},
                                                                    {"QM410", kPanelQM410},
                                                                    {"QMSV", kPanelQMSV}}) {
    Simulator sim({"--panel", name, "--firmware", "C.4", "--plc", "40:1", "--memory", "64"});
    ASSERT_FALSE(sim.Path().empty());
    TQMXComm link(sim.Path(), nullptr);
    ASSERT_TRUE(link.ok) << link.errorText;
    TQMStatusIdCmd status;
    auto response = link.Transact(status);
    auto* reply = Expect<TQMStatusIdResp>(response);
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(reply->GetPanelModel(), type) << name;
    EXPECT_EQ(reply->GetFirmwareText(), "C.4");
    EXPECT_EQ(reply->GetMemoryText(), "  64 KB");
    EXPECT_EQ(reply->ManufacturerId(), 40);
    EXPECT_EQ(reply->ModelId(), 1);
  }
  Simulator mux({"--mux", "2:QM210,5:QMSV", "--memory", "32"});
  SetLinkSpeed(38400);
  TQMXComm link(mux.Path(), nullptr);
  TQMStatusIdCmd status;
  auto response = link.Transact(status);
  auto* reply = Expect<TQMMuxStatusIdResp>(response);
  ASSERT_NE(reply, nullptr);
  EXPECT_EQ(reply->GetPanelModel(), kPanelMultiplexer);
  EXPECT_EQ(reply->GetMemoryText(), "32768 Bytes");
}

TEST_F(SimulatorTest, MessagesWrittenAreReadBackSequentially) {
  std::string trace = dir.File("trace.txt");
  Simulator sim({"--panel", "QM210", "--trace", trace});
  TQMProject project;
  TQMPanel& panel = project.AddPanel(kPanelQM210, 1);
  TQMXComm link(sim.Path(), &project);
  ASSERT_TRUE(link.ok);
  TQMClrMemCmd clear;
  auto cleared = link.Transact(clear);
  EXPECT_NE(Expect<TQMStdResp>(cleared), nullptr);
  TQMMessage message = panel.NewMessage();
  message.number = 3;
  message.isPlcMessage = 1;
  message.text = "LEVEL " + std::string(3, static_cast<char>(0xFF));
  message.data1.index = 1;
  TQMWriteMsgCmd write(message, 4, false, false);
  auto written = link.Transact(write);
  EXPECT_NE(Expect<TQMStdResp>(written), nullptr);
  TQMMessage blank = panel.NewMessage();
  blank.number = 2;
  TQMWriteMsgCmd writeBlank(blank, 0, false, true);
  auto blankWritten = link.Transact(writeBlank);
  EXPECT_NE(Expect<TQMStdResp>(blankWritten), nullptr);

  TQMReadMsgCmd beforeStart(kDumpNext, 0);
  auto refused = link.Transact(beforeStart);
  std::string failure;
  EXPECT_EQ(ExpectResponse<TQMMsgResp>(refused.get(), failure), nullptr);
  EXPECT_EQ(failure, "Error C012: Start Dump Not Requested");

  TQMReadMsgCmd start(kDumpStart, 0);
  auto started = link.Transact(start);
  ASSERT_NE(Expect<TQMMsgResp>(started), nullptr);
  std::vector<TQMMessage> found;
  for (int i = 0; i <= 256; ++i) {
    TQMReadMsgCmd next(kDumpNext, static_cast<uint8_t>(i));
    auto response = link.Transact(next);
    auto* reply = Expect<TQMMsgResp>(response);
    ASSERT_NE(reply, nullptr);
    if (reply->Message().number != 0) found.push_back(reply->Message());
  }
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].number, 3);
  EXPECT_EQ(found[0].text, message.text);
  EXPECT_EQ(found[0].data1.index, 1);
  sim.Stop();
  EXPECT_EQ(ReadTrace(trace).find("VIOLATION"), std::string::npos) << ReadTrace(trace);
}

TEST_F(SimulatorTest, BlockWithoutStartIsErrorFourAndAViolation) {
  std::string trace = dir.File("trace.txt");
  Simulator sim({"--panel", "QM410", "--trace", trace});
  TQMXComm link(sim.Path(), nullptr);
  Bytes table(60, 1);
  TQMWriteTagCmd block(kBlockData, table, 1, 0, 50);
  auto response = link.Transact(block);
  std::string failure;
  EXPECT_FALSE(IsGoodStdResponse(response.get(), failure));
  EXPECT_EQ(failure, "Error C011: Start Load Not Requested");

  // A whole transfer, then the dump in blocks of at most 60 bytes.
  Bytes image(130);
  for (size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<uint8_t>(i);
  Bytes none;
  TQMWriteTagCmd start(kBlockStart, none, 0, 0, 0);
  TQMWriteTagCmd first(kBlockData, image, 1, 0, 50);
  TQMWriteTagCmd second(kBlockData, image, 2, 50, 100);
  TQMWriteTagCmd end(kBlockEnd, image, 3, 100, 130);
  for (TQMXCmd* command : std::vector<TQMXCmd*>{&start, &first, &second, &end}) {
    auto answer = link.Transact(*command);
    EXPECT_TRUE(IsGoodStdResponse(answer.get(), failure)) << failure;
  }
  Bytes dumped;
  TQMReadTagCmd dumpStart(kDumpStart, 0);
  auto reply = link.Transact(dumpStart);
  int sequence = 0;
  for (;;) {
    auto* block = Expect<TQMTagResp>(reply);
    ASSERT_NE(block, nullptr);
    EXPECT_LE(block->GetData().size(), 60u);
    dumped.insert(dumped.end(), block->GetData().begin(), block->GetData().end());
    if (block->IsLastBlock()) break;
    TQMReadTagCmd next(kDumpNext, static_cast<uint8_t>(++sequence));
    reply = link.Transact(next);
  }
  EXPECT_EQ(dumped, image);
  EXPECT_EQ(sequence, 2);
  sim.Stop();
  std::string log = ReadTrace(trace);
  EXPECT_NE(log.find("VIOLATION QM410: tag table: block without start"), std::string::npos) << log;
}

TEST_F(SimulatorTest, MultiplexerRoutesToItsPorts) {
  Simulator sim({"--mux", "2:QM210,5:QMSV", "--empty-port-std"});
  SetLinkSpeed(38400);
  TQMXComm link(sim.Path(), nullptr);
  std::string failure;
  auto statusOf = [&](int port) {
    TQMSwitchPrtCmd toPort(port);
    auto switched = link.Transact(toPort);
    EXPECT_NE(dynamic_cast<TQMStdResp*>(switched.get()), nullptr);
    TQMStatusIdCmd status;
    auto response = link.Transact(status);
    if (auto* panel = dynamic_cast<TQMStatusIdResp*>(response.get())) return panel->GetPanelModel();
    if (auto* mux = dynamic_cast<TQMMuxStatusIdResp*>(response.get())) return mux->GetPanelModel();
    if (auto* standard = dynamic_cast<TQMStdResp*>(response.get())) return -standard->ErrorCode();
    return -100;
  };
  EXPECT_EQ(statusOf(2), kPanelQM210);
  EXPECT_EQ(statusOf(5), kPanelQMSV);
  EXPECT_EQ(statusOf(3), -3);  // nobody there: error 3 with --empty-port-std
  EXPECT_EQ(statusOf(0), kPanelMultiplexer);
}

TEST_F(SimulatorTest, BaudCheckAnswersOnlyAtTheUnitsSpeed) {
  Simulator panel({"--panel", "QM210", "--baud-check"});
  SetLinkSpeed(38400);
  {
    std::optional<ScopedLinkTimeouts> quick(std::in_place, Quick(200));
    TQMXComm link(panel.Path(), nullptr);
    TQMStatusIdCmd status;
    auto response = link.Transact(status);
    auto* error = dynamic_cast<TQMErrorResp*>(response.get());
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->ErrorCode(), 2);
    quick.reset();
    SetLinkSpeed(9600);
    ASSERT_TRUE(link.Configure());
    response = link.Transact(status);
    EXPECT_NE(dynamic_cast<TQMStatusIdResp*>(response.get()), nullptr);
  }
}

TEST_F(SimulatorTest, FaultOptions) {
  std::string trace = dir.File("trace.txt");
  {
    Simulator sim(
        {"--panel", "QM210", "--drop", "1", "--corrupt", "2", "--garbage", "100", "--trace", trace});
    // Long enough for the simulator's later replies on a loaded machine.
    ScopedLinkTimeouts quick(Quick(1000));
    TQMXComm link(sim.Path(), nullptr);
    TQMStatusIdCmd status;
    // Reply 1 dropped, reply 2 corrupt, reply 3 good: the first exchange fails both attempts.
    auto first = link.Transact(status);
    auto* error = dynamic_cast<TQMErrorResp*>(first.get());
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->ErrorCode(), 1);
    auto second = link.Transact(status);
    EXPECT_NE(dynamic_cast<TQMStatusIdResp*>(second.get()), nullptr);
  }
  {
    Simulator sim({"--panel", "QM210", "--error", "7@B5#2", "--reply-delay", "300"});
    TQMProject project;
    TQMPanel& panel = project.AddPanel(kPanelQM210, 1);
    TQMXComm link(sim.Path(), &project);
    TQMMessage message = panel.NewMessage();
    message.number = 1;
    message.text = "A";
    TQMWriteMsgCmd write(message, -1, false, false);
    std::string failure;
    auto start = std::chrono::steady_clock::now();
    auto good = link.Transact(write);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_TRUE(IsGoodStdResponse(good.get(), failure));
    auto refused = link.Transact(write);
    EXPECT_FALSE(IsGoodStdResponse(refused.get(), failure));
    EXPECT_EQ(failure, "Error C014: Invalid Message Number");
  }
  {
    ScopedLinkTimeouts quick(Quick(200));
    Simulator sim({"--panel", "QM210", "--silent"});
    TQMXComm link(sim.Path(), nullptr);
    TQMStatusIdCmd status;
    auto response = link.Transact(status);
    ASSERT_NE(dynamic_cast<TQMErrorResp*>(response.get()), nullptr);
    EXPECT_EQ(dynamic_cast<TQMErrorResp*>(response.get())->ErrorCode(), 2);
  }
  {
    Simulator sim({"--panel", "QM210", "--throttle"});
    TQMXComm link(sim.Path(), nullptr);
    Bytes driver(1000, 0x11);
    Bytes none;
    TQMLoadPlcCmd start(kBlockStart, none, 0, 0, 0);
    auto begin = std::chrono::steady_clock::now();
    auto response = link.Transact(start);
    std::string failure;
    EXPECT_TRUE(IsGoodStdResponse(response.get(), failure));
    for (int block = 0; block < 20; ++block) {
      TQMLoadPlcCmd data(kBlockData, driver, static_cast<uint8_t>(block + 1), block * 50, block * 50 + 50);
      response = link.Transact(data);
      ASSERT_TRUE(IsGoodStdResponse(response.get(), failure)) << failure;
    }
    // 21 exchanges of 10 + 9 and 20 x (59 + 9) bytes at 9600 bit/s: about 1.44 s on the wire.
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_GT(seconds, 1.3);
  }
}

TEST_F(SimulatorTest, StatePersistsAndDisplayRendersAMessage) {
  std::string state = dir.File("state.json");
  {
    Simulator sim({"--panel", "QM210", "--state", state});
    TQMProject project;
    TQMPanel& panel = project.AddPanel(kPanelQM210, 1);
    TQMXComm link(sim.Path(), &project);
    TQMMessage message = panel.NewMessage();
    message.number = 7;
    message.text = "TANK " + std::string(4, static_cast<char>(0xFF)) + " %";
    message.leadingZeros = {true, false, false};
    TQMWriteMsgCmd write(message, -1, false, false);
    auto response = link.Transact(write);
    std::string failure;
    EXPECT_TRUE(IsGoodStdResponse(response.get(), failure));
  }
  testing::ProcessResult shown = testing::RunProcess(
      {testing::StageDir() + "/bin/lumora-panel-sim", "display", "--state", state, "--show", "7"});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_NE(shown.out.find("|TANK 1234 %         |"), std::string::npos) << shown.out;
  {
    Simulator again({"--panel", "QM210", "--state", state});
    TQMProject project;
    project.AddPanel(kPanelQM210, 1);
    TQMXComm link(again.Path(), &project);
    TQMReadMsgCmd start(kDumpStart, 0);
    link.Transact(start);
    int found = 0;
    for (int i = 0; i <= 8; ++i) {
      TQMReadMsgCmd next(kDumpNext, static_cast<uint8_t>(i));
      auto response = link.Transact(next);
      auto* reply = dynamic_cast<TQMMsgResp*>(response.get());
      ASSERT_NE(reply, nullptr);
      if (reply->Message().number == 7) ++found;
    }
    EXPECT_EQ(found, 1);
  }
  testing::ProcessResult missing = testing::RunProcess(
      {testing::StageDir() + "/bin/lumora-panel-sim", "display", "--state", state, "--show", "9"});
  EXPECT_EQ(missing.exitCode, 1);
}

// A state file the simulator cannot write would let a write succeed and keep nothing: it does not start.
// Before the first write there is no memory to show, which is no error reading it.
TEST_F(SimulatorTest, StateThatCannotBeKeptIsRefusedAtStart) {
  std::string program = testing::StageDir() + "/bin/lumora-panel-sim";
  std::string file = dir.Write("plain-file", "x");
  for (const std::string& state : {dir.File("no-such-folder/state.json"), file + "/state.json", dir.Path(),
                                   std::string("/proc/state.json")}) {
    testing::ProcessResult started =
        testing::RunProcess({program, "--panel", "QM210", "--state", state, "--max-seconds", "5"});
    EXPECT_EQ(started.exitCode, 2) << state;
    EXPECT_EQ(started.out, "") << state;  // no pseudo-terminal was offered
    EXPECT_EQ(started.err.rfind("lumora-panel-sim: cannot keep the panel memory in " + state + ": ", 0), 0u)
        << started.err;
    EXPECT_GT(started.err.size(),
              ("lumora-panel-sim: cannot keep the panel memory in " + state + ": \n").size())
        << started.err;
  }
  EXPECT_EQ(TempDir::Read(file), "x");

  testing::ProcessResult fresh =
      testing::RunProcess({program, "display", "--state", dir.File("state.json"), "--show", "1"});
  EXPECT_EQ(fresh.exitCode, 1);
  EXPECT_EQ(fresh.err, "lumora-panel-sim: no panel memory yet\n");
}

TEST_F(SimulatorTest, LinkAndUsage) {
  std::string link = dir.File("COM1");
  {
    Simulator sim({"--panel", "QMSV", "--link", link, "--max-seconds", "30"});
    ASSERT_FALSE(sim.Path().empty());
    TQMXComm port(link, nullptr);
    EXPECT_TRUE(port.ok);
    TQMStatusIdCmd status;
    auto response = port.Transact(status);
    EXPECT_NE(dynamic_cast<TQMStatusIdResp*>(response.get()), nullptr);
  }
  EXPECT_FALSE(std::filesystem::exists(link));
  std::string program = testing::StageDir() + "/bin/lumora-panel-sim";
  EXPECT_EQ(testing::RunProcess({program}).exitCode, 2);
  EXPECT_EQ(testing::RunProcess({program, "--panel", "QM999"}).exitCode, 2);
  EXPECT_EQ(testing::RunProcess({program, "--mux", "7:QM210"}).exitCode, 2);
  EXPECT_EQ(testing::RunProcess({program, "--help"}).exitCode, 0);
}

// A simulator never outlives the process that started it, even one that is killed.
TEST_F(SimulatorTest, EndsWithAParentThatIsKilled) {
  int report[2];
  ASSERT_EQ(::pipe(report), 0);
  pid_t parent = ::fork();
  if (parent == 0) {
    SimulatorProcess sim(testing::StageDir() + "/bin/lumora-panel-sim", {"--panel", "QM210"});
    pid_t pid = sim.Path().empty() ? -1 : sim.Pid();
    (void)!::write(report[1], &pid, sizeof pid);
    ::kill(::getpid(), SIGKILL);
  }
  ::close(report[1]);
  pid_t sim = -1;
  ASSERT_EQ(::read(report[0], &sim, sizeof sim), static_cast<ssize_t>(sizeof sim));
  ::close(report[0]);
  int status = 0;
  ::waitpid(parent, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  ASSERT_GT(sim, 0);
  // Ended: gone, or a zombie its new parent has not reaped yet. The limit guards against hanging only.
  auto ended = [sim] {
    std::string stat = TempDir::Read("/proc/" + std::to_string(sim) + "/stat");
    if (stat.find("lumora-panel") == std::string::npos) return true;
    size_t close = stat.rfind(')');
    return close + 2 < stat.size() && stat[close + 2] == 'Z';
  };
  auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!ended() && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(ended());
}

}  // namespace
}  // namespace lumora
