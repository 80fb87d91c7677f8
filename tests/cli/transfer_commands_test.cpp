#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "support/install_tree.h"
#include "support/run_process.h"
#include "support/simulator.h"
#include "support/temp_dir.h"
#include "support/transfer_fixture.h"
#include "transfer/panel_history.h"

namespace lumora {
namespace {

using testing::ProcessResult;
using testing::Simulator;
using testing::StageDir;
using testing::TempDir;

class TransferCommandsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Command(std::vector<std::string> args) {
    args.insert(args.begin(), StageDir() + "/bin/lumora");
    args.push_back("--install-dir");
    args.push_back(StageDir());
    return args;
  }
  std::map<std::string, std::string> Environment() {
    return {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
            {"HOME", dir.Path()},
            {"XDG_CONFIG_HOME", dir.File("config")},
            {"XDG_DATA_HOME", dir.File("data")}};
  }
  ProcessResult Lumora(std::vector<std::string> args) {
    return testing::RunProcess(Command(args), Environment());
  }
  std::string Demo() const { return StageDir() + "/Project/demo-qm210.lmx"; }
  TempDir dir;
};

TEST_F(TransferCommandsTest, WriteVerifyReadInfoClear) {
  std::string state = dir.File("state.json");
  Simulator sim({"--panel", "QM210", "--state", state});
  std::string log = dir.File("Write.txt");
  ProcessResult write = Lumora({"write", Demo(), "--port", sim.Path(), "--log", log});
  ASSERT_EQ(write.exitCode, 0) << write.err;
  EXPECT_EQ(write.out, "Project has been written to the panel successfully.\n");
  std::string logText = TempDir::Read(log);
  EXPECT_EQ(logText.rfind("-- -- Program version: 1.0\n-- Status ID\nI said:\naa 06 10 01 12 b8 65 \n", 0),
            0u)
      << logText.substr(0, 200);

  ProcessResult verify = Lumora({"verify", Demo(), "--port", sim.Path()});
  EXPECT_EQ(verify.exitCode, 0) << verify.err;
  EXPECT_EQ(verify.out, "Project file on PC is same as the \nproject loaded in the panel\n");

  std::string changed = testing::ReadAll(Demo());
  size_t at = changed.find("PUMP SPEED");
  ASSERT_NE(at, std::string::npos);
  changed.replace(at, 4, "FAN ");
  std::string other = dir.Write("changed.lmx", changed);
  ProcessResult different = Lumora({"verify", other, "--port", sim.Path(), "--diff"});
  EXPECT_EQ(different.exitCode, 1);
  EXPECT_NE(different.out.find("Project file on PC is different from\nproject loaded in the panel\n"),
            std::string::npos);
  EXPECT_NE(different.out.find(
                "Port 1 (QM210), message 2, text: \"FAN  SPEED 1111 RPM\" / \"PUMP SPEED 1111 RPM\""),
            std::string::npos)
      << different.out;

  std::string readBack = dir.File("read.lmx");
  ProcessResult read = Lumora({"read", readBack, "--port", sim.Path()});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, "Project has been read from the panel successfully.\n");
  ProcessResult show = Lumora({"show", readBack});
  EXPECT_NE(show.out.find("TANK LEVEL  1111 %"), std::string::npos);

  ProcessResult info = Lumora({"info", "--port", sim.Path()});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Text Panel Model:    QM210\n"), std::string::npos);
  EXPECT_NE(info.out.find("Plc Driver:          Tarvo DL-205\n"), std::string::npos);

  ProcessResult clear = Lumora({"clear", "--port", sim.Path()});
  EXPECT_EQ(clear.exitCode, 0) << clear.err;
  EXPECT_EQ(clear.out, "Panel(s) memory cleared\n");
  EXPECT_EQ(clear.err, "");
  sim.Stop();
  EXPECT_TRUE(testing::TransferFixture::StoredMessages(state).empty());
}

TEST_F(TransferCommandsTest, AnErrorTheWorkerShowedIsPrintedOnce) {
  std::string state = dir.File("state.json");
  {
    Simulator sim({"--panel", "QM210", "--state", state});
    ASSERT_EQ(Lumora({"write", Demo(), "--port", sim.Path()}).exitCode, 0);
  }
  // The first tag record names a value type code no panel knows: the table cannot be rebuilt.
  std::string json = testing::ReadAll(state);
  size_t table = json.find("\"tagTable\": \"");
  ASSERT_NE(table, std::string::npos) << json.substr(0, 300);
  size_t typeCode = table + std::string("\"tagTable\": \"").size() + 2 * 4;
  json.replace(typeCode, 2, "77");
  dir.Write("state.json", json);

  Simulator sim({"--panel", "QM210", "--state", state});
  ProcessResult read = Lumora({"read", dir.File("out.lmx"), "--port", sim.Path()});
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_EQ(read.err, "Error in rebuilding the tag list\n");

  // A panel that was never written says so, and no file is made.
  Simulator fresh({"--panel", "QM210"});
  ProcessResult empty = Lumora({"read", dir.File("empty.lmx"), "--port", fresh.Path()});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "The panel holds no project: it was cleared or has never been written.\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("empty.lmx")));
}

TEST_F(TransferCommandsTest, MultiplexerProjectThroughTheCli) {
  Simulator sim({"--mux", "2:QM210,5:QMSV", "--empty-port-std"});
  std::string project = StageDir() + "/Project/demo-multiplexer.lmx";
  ProcessResult write = Lumora({"write", project, "--port", sim.Path()});
  ASSERT_EQ(write.exitCode, 0) << write.err;
  EXPECT_EQ(write.out, "Project has been written to the multiplexer and/or panel(s) successfully.\n");
  EXPECT_NE(write.err.find("Please ensure all panels are connected to the multiplexer and click OK."),
            std::string::npos);
  ProcessResult verify = Lumora({"verify", project, "--port", sim.Path(), "--diff"});
  EXPECT_EQ(verify.exitCode, 0) << verify.out << verify.err;
  ProcessResult info = Lumora({"info", "--project", project, "--port", sim.Path()});
  EXPECT_NE(info.out.find("Text Panel Model:    Multiplexer\n"), std::string::npos) << info.out << info.err;
  // A port without a panel in the project writes nothing and says so, before the port is opened.
  ProcessResult nothing = Lumora({"write", project, "--target", "panel3", "--port", dir.File("ttyNothing")});
  EXPECT_EQ(nothing.exitCode, 1);
  EXPECT_EQ(nothing.err, "Port 3 has no panel in this project: nothing was written.\n");
  EXPECT_EQ(nothing.out, "");
}

TEST_F(TransferCommandsTest, ErrorsAndUsage) {
  ProcessResult noPort = Lumora({"write", Demo(), "--port", dir.File("ttyNothing")});
  EXPECT_EQ(noPort.exitCode, 1);
  EXPECT_EQ(
      noPort.err.rfind("Error C003: Error opening port\n" + dir.File("ttyNothing") + " does not exist", 0),
      0u)
      << noPort.err;
  ProcessResult unset = Lumora({"info"});
  EXPECT_EQ(unset.exitCode, 1);
  EXPECT_EQ(unset.err.rfind("Error C003: Error opening port\nNo serial port is configured", 0), 0u)
      << unset.err;

  Simulator wrong({"--panel", "QM410"});
  ProcessResult mismatch = Lumora({"write", Demo(), "--port", wrong.Path()});
  EXPECT_EQ(mismatch.exitCode, 1);
  EXPECT_EQ(
      mismatch.err,
      "ERROR On COM Port. Error C001: The panel connected to the PC is different from the configured one\n");

  std::string noLocal = testing::ReadAll(StageDir() + "/Project/demo-multiplexer.lmx");
  EXPECT_EQ(Lumora({"write"}).exitCode, 2);
  EXPECT_EQ(Lumora({"write", Demo(), "--target", "panel9"}).exitCode, 2);
  // A misspelt option is refused before anything runs (here: before the missing port would fail).
  ProcessResult misspelt = Lumora({"write", Demo(), "--dirct", "--port", dir.File("ttyNothing")});
  EXPECT_EQ(misspelt.exitCode, 2);
  EXPECT_EQ(misspelt.err.find("Error C003"), std::string::npos) << misspelt.err;
  EXPECT_EQ(Lumora({"info", "--multiplexer", "--port", dir.File("ttyNothing")}).exitCode, 2);
  EXPECT_EQ(Lumora({"write", Demo(), "more.lmx", "--port", dir.File("ttyNothing")}).exitCode, 2);
  // Global options also come first, as in `lumora --port /tmp/COM1 write FILE`.
  ProcessResult first = testing::RunProcess({StageDir() + "/bin/lumora", "--port", dir.File("ttyNothing"),
                                             "--install-dir", StageDir(), "write", Demo()},
                                            Environment());
  EXPECT_EQ(first.exitCode, 1);
  EXPECT_EQ(first.err.rfind("Error C003: Error opening port\n" + dir.File("ttyNothing"), 0), 0u) << first.err;
  EXPECT_EQ(Lumora({"firmware"}).exitCode, 2);
  for (const char* command : {"write", "read", "verify", "info", "clear", "firmware"}) {
    EXPECT_EQ(Lumora({command, "--help"}).exitCode, 0) << command;
  }
  std::string bad = dir.Write("bad.s19", "S1030000FC\r\n");
  Simulator mux({"--mux", "1:QM210"});
  ProcessResult firmware = Lumora({"firmware", bad, "--multiplexer", "--port", mux.Path()});
  EXPECT_EQ(firmware.exitCode, 1);
  EXPECT_EQ(firmware.err, "Error Z003: The file may be corrupted\n" + bad +
                              ": line 1 is the first data record but does not start at address 10000 hex\n");
}

TEST_F(TransferCommandsTest, LogNamingTheProjectIsRefusedAndAnUnopenableLogIsReported) {
  std::string project = dir.Write("mine.lmx", testing::ReadAll(Demo()));
  std::string original = testing::ReadAll(project);
  std::filesystem::create_symlink(project, dir.File("link.txt"));
  std::filesystem::create_directory(dir.File("sub"));
  std::string port = dir.File("ttyNothing");
  for (const std::string& log : {project, dir.File("link.txt"), dir.File("sub/../mine.lmx")}) {
    for (const char* command : {"write", "verify"}) {
      ProcessResult result = Lumora({command, project, "--port", port, "--log", log});
      EXPECT_EQ(result.exitCode, 2) << command << " " << log << "\n" << result.err;
      EXPECT_NE(result.err.find("--log"), std::string::npos) << result.err;
      EXPECT_TRUE(testing::ReadAll(project) == original) << command << " " << log << " changed the project";
      dir.Write("mine.lmx", original);
    }
  }
  // An output that does not exist yet is still the same file.
  ProcessResult read =
      Lumora({"read", dir.File("out.lmx"), "--port", port, "--log", dir.File("sub/../out.lmx")});
  EXPECT_EQ(read.exitCode, 2) << read.err;

  Simulator sim({"--panel", "QM210"});
  std::string unopenable = dir.File("no/such/folder/Info.txt");
  ProcessResult info = Lumora({"info", "--port", sim.Path(), "--log", unopenable});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Text Panel Model:    QM210\n"), std::string::npos);
  EXPECT_EQ(info.err, "lumora: warning: cannot open the communication log " + unopenable +
                          ": No such file or directory\n");
  // A FIFO nobody reads would hold the transfer for ever: it is passed over at once.
  std::string fifo = dir.File("log.fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  info = Lumora({"info", "--port", sim.Path(), "--log", fifo});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_EQ(info.err, "lumora: warning: cannot open the communication log " + fifo + ": " + std::strerror(ENXIO) + "\n");
  // A log that cannot be written whole is reported; the transfer's own result stands.
  info = Lumora({"info", "--port", sim.Path(), "--log", "/dev/full"});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_EQ(info.err, "The communication log /dev/full could not be written: " + std::string(std::strerror(ENOSPC)) + ".\n");
  // A read that could not be saved is refused before the panel is asked for anything.
  ProcessResult refused = Lumora({"read", fifo, "--port", sim.Path()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, fifo + ": not a regular file\n");
}

// Ctrl+C, SIGTERM (a service stop) and SIGHUP (a closed terminal) cancel a write, which clears the panel.
TEST_F(TransferCommandsTest, InterruptTerminateAndHangUpCancelAndClearThePanel) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(::strsignal(signal));
    std::string state = dir.File("state-" + std::to_string(signal) + ".json");
    Simulator sim({"--panel", "QM210", "--throttle", "--state", state});
    std::vector<std::string> args = Command({"write", Demo(), "--port", sim.Path()});
    char outName[] = "/tmp/lumora-int-XXXXXX";
    int outFd = ::mkstemp(outName);
    pid_t pid = ::fork();
    if (pid == 0) {
      ::dup2(outFd, 1);
      ::dup2(outFd, 2);
      for (const auto& [key, value] : Environment())
        ::setenv(key.c_str(), value.c_str(), 1);
      std::vector<char*> argv;
      for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    // Into the messages: the simulator's state shows the first ones stored (each answered at the wire's
    // speed).
    for (int wait = 0; wait < 1000 && testing::TransferFixture::StoredMessages(state).size() < 2; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, signal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(outFd);
    std::string output = testing::ReadAll(outName);
    ::unlink(outName);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 1) << output;
    EXPECT_NE(output.find("Cancelled."), std::string::npos) << output;
    sim.Stop();
    EXPECT_EQ(testing::TransferFixture::StoredMessages(state),
              (std::vector<int>{257, 258, 259, 260, 261, 262, 263}));
  }
}

// What a write and a read leave in the panel history, as `lumora history` shows and saves it.
TEST_F(TransferCommandsTest, HistoryListsShowsAndOpensWhatWentOverTheWire) {
  Simulator sim({"--panel", "QM210"});
  ASSERT_EQ(Lumora({"write", Demo(), "--port", sim.Path()}).exitCode, 0);
  ASSERT_EQ(Lumora({"read", dir.File("read.lmx"), "--port", sim.Path()}).exitCode, 0);
  std::string index = dir.File("data/lumora/history/index.txt");
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::vector<std::string> inOrder;  // on stdout, in this order
  };
  const Case cases[] = {
      {{"history"},
       0,
       {"No.  Date and time", "2    ", "read       Panel   " + sim.Path() + "  QM210  B.2       read.lmx",
        "1    ", "write      Panel   " + sim.Path() + "  QM210  B.2       demo-qm210.lmx"}},
      {{"history", "--json"},
       0,
       {"[\n  {\"number\": 2, \"time\": \"", "\"operation\": \"read\"", "\"project\": \"read.lmx\"",
        "{\"number\": 1,", "\"model\": \"QM210\""}},
      {{"history", "--project", "DEMO"}, 0, {"1    ", "demo-qm210.lmx"}},
      {{"history", "--model", "QM410"}, 0, {"The panel history holds no entry."}},
      {{"history", "show", "1"},
       0,
       {"Entry:      1\n", "Operation:  write\n", "Project:    demo-qm210.lmx\n", "Single panel system\n",
        "TANK LEVEL  1111 %"}},
      {{"history", "open", "1", dir.File("opened.lmx")}, 0, {}},
      {{"history", "show", "9"}, 1, {}},
      {{"history", "open", "1", index}, 2, {}},
      {{"history", "open", "1"}, 2, {}},
  };
  for (const Case& c : cases) {
    ProcessResult result = Lumora(c.args);
    std::string shown = ::testing::PrintToString(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << shown << result.err;
    size_t at = 0;
    for (const std::string& text : c.inOrder) {
      at = result.out.find(text, at);
      EXPECT_NE(at, std::string::npos) << shown << " lacks " << text << "\n" << result.out;
    }
  }
  // A history that cannot be kept (XDG_DATA_HOME names a file) is a warning; the write stays a success.
  std::map<std::string, std::string> environment = Environment();
  environment["XDG_DATA_HOME"] = dir.Write("not-a-folder", "");
  ProcessResult unkept = testing::RunProcess(Command({"write", Demo(), "--port", sim.Path()}), environment);
  EXPECT_EQ(unkept.exitCode, 0) << unkept.err;
  EXPECT_EQ(unkept.err, "lumora: warning: The panel history could not keep this transfer: " +
                            dir.File("not-a-folder") + "/lumora/history/projects: Not a directory\n");
  ProcessResult filtered = Lumora({"history", "--project", "DEMO"});
  EXPECT_EQ(filtered.out.find("read.lmx"), std::string::npos) << filtered.out;
  EXPECT_TRUE(testing::ReadAll(dir.File("opened.lmx")) == testing::ReadAll(Demo()));
}

// lumora write --keep-previous: what the panel held is kept as "before write", then the write runs; an
// empty panel is noted; a read that fails writes nothing (exit 1, the panel as it was).
TEST_F(TransferCommandsTest, WriteKeepPreviousReadsThePanelFirst) {
  std::string held = dir.File("held.json");
  {
    Simulator sim({"--panel", "QM210", "--state", held});
    ASSERT_EQ(Lumora({"write", Demo(), "--port", sim.Path()}).exitCode, 0);
  }
  std::string success = "Project has been written to the panel successfully.\n";
  struct Case {
    const char* name;
    bool holdsProject;
    std::vector<std::string> faults;
    int exitCode;
    std::string out;
    std::vector<std::string> operations;  // the history's entries, newest first
  };
  const Case cases[] = {
      {"a panel holding a project", true, {}, 0, success, {"write", "before write"}},
      {"an empty panel",
       false,
       {},
       0,
       "The unit held no project: nothing was kept before the write.\n" + success,
       {"write"}},
      {"a read that fails", true, {"--error", "7@B4"}, 1, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir.File("data"));
    std::string state = dir.File("state.json");
    std::filesystem::remove(state);
    if (c.holdsProject) dir.Write("state.json", testing::ReadAll(held));
    std::vector<std::string> options = {"--panel", "QM210", "--state", state};
    options.insert(options.end(), c.faults.begin(), c.faults.end());
    std::vector<int> before = testing::TransferFixture::StoredMessages(state);
    // Its error is the one a plain read prints.
    std::string readError;
    if (c.exitCode != 0) {
      Simulator sim(options);
      readError = Lumora({"read", dir.File("read.lmx"), "--port", sim.Path()}).err;
      ASSERT_FALSE(readError.empty());
    }
    {
      Simulator sim(options);
      ProcessResult write = Lumora({"write", Demo(), "--keep-previous", "--port", sim.Path()});
      EXPECT_EQ(write.exitCode, c.exitCode) << write.err;
      EXPECT_EQ(write.out, c.out);
      EXPECT_EQ(write.err, readError);
    }
    std::vector<PanelHistoryEntry> entries;
    ASSERT_TRUE(PanelHistory(dir.File("data/lumora/history")).Load(entries));
    std::vector<std::string> operations;
    for (const PanelHistoryEntry& entry : entries)
      operations.push_back(entry.operation);
    EXPECT_EQ(operations, c.operations);
    if (c.exitCode != 0) {
      EXPECT_EQ(testing::TransferFixture::StoredMessages(state), before) << "the panel's memory changed";
    }
    if (operations.size() == 2) {
      std::string listed = Lumora({"history"}).out;
      EXPECT_NE(listed.find("before write  Panel "), std::string::npos) << listed;
    }
  }
}

}  // namespace
}  // namespace lumora
