// The panel history: what a write or read against lumora-panel-sim leaves in it, the limit, a history that
// cannot be kept, a damaged index and two writers at once.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>

#include "model/project_file.h"
#include "support/sample_projects.h"
#include "support/transfer_fixture.h"
#include "transfer/panel_history.h"
#include "transfer/sha256.h"
#include "transfer/transfer_texts.h"

namespace lumora {
namespace {

using testing::RecordingSink;
using testing::Simulator;
using testing::StageDir;
using testing::TempDir;

size_t StoredProjects(const std::string& folder) {
  size_t count = 0;
  for ([[maybe_unused]] const auto& file : std::filesystem::directory_iterator(folder + "/projects"))
    ++count;
  return count;
}

TEST(Sha256Test, KnownDigests) {
  // Empty, one block, and a message whose padding needs a second block.
  const std::pair<std::string, std::string> cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
  };
  for (const auto& [text, digest] : cases)
    EXPECT_EQ(Sha256Hex(text), digest) << text;
}

class PanelHistoryTransferTest : public ::testing::Test, public testing::TransferFixture {
 protected:
  PanelHistoryTransferTest() { history = {dir.File("history"), kDefaultHistoryLimit, "plant.lmx"}; }
};

TEST_F(PanelHistoryTransferTest, AWriteAndAReadKeepTheProjectThatWentOverTheWire) {
  struct Case {
    const char* name;
    std::function<TQMProject(TransferFixture&)> project;
    std::vector<std::string> simulator;
    std::string target;
    std::string model;
    // The demo reads back byte for byte as written: one stored project for both entries.
    bool readIsWritten;
  };
  const Case cases[] = {
      {"single panel",
       [](TransferFixture& f) {
         TQMProject project(f.Services());
         EXPECT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
         return project;
       },
       {"--panel", "QM210"},
       "Panel",
       "QM210",
       true},
      {"multiplexer",
       [](TransferFixture& f) { return testing::MakeMultiplexerProject(f.Services()); },
       {"--mux", "2:QM210,5:QMSV", "--empty-port-std"},
       "Whole project",
       "Multiplexer",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(history.folder);
    TQMProject project = c.project(*this);
    Prepare(project);
    Simulator sim(c.simulator);
    RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::WriteProject);
    ASSERT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
    EXPECT_TRUE(outcome.warnings.empty()) << outcome.warnings.front();
    std::string written = ProjectFileText(project);
    TQMProject read = ReadProject();
    RunOperation(read, TransferOperation::Read, sim.Path());
    ASSERT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
    TQMProject& readProject = *outcome.readProject;
    readProject.multiplexer.selectedPort = 1;

    PanelHistory kept(history.folder);
    std::vector<PanelHistoryEntry> entries;
    ASSERT_TRUE(kept.Load(entries));
    ASSERT_EQ(entries.size(), 2u);
    const PanelHistoryEntry& readEntry = entries[0];
    const PanelHistoryEntry& writeEntry = entries[1];
    EXPECT_EQ(writeEntry.number, 1);
    EXPECT_EQ(readEntry.number, 2);
    EXPECT_EQ(writeEntry.operation, "write");
    EXPECT_EQ(readEntry.operation, "read");
    for (const PanelHistoryEntry* entry : {&writeEntry, &readEntry}) {
      EXPECT_EQ(entry->target, c.target);
      EXPECT_EQ(entry->model, c.model);
      EXPECT_EQ(entry->firmware, "B.2");
      EXPECT_EQ(entry->port, sim.Path());
      EXPECT_EQ(entry->projectName, "plant.lmx");
      EXPECT_GT(entry->time, 0);
    }
    std::string text;
    ASSERT_TRUE(kept.ReadProject(writeEntry, text));
    EXPECT_TRUE(text == written) << "the kept write is not the project written";
    ASSERT_TRUE(kept.ReadProject(readEntry, text));
    EXPECT_TRUE(text == ProjectFileText(readProject)) << "the kept read is not the project read";
    EXPECT_EQ(readEntry.projectId == writeEntry.projectId, c.readIsWritten);
    EXPECT_EQ(StoredProjects(history.folder), c.readIsWritten ? 1u : 2u);
  }
}

TEST_F(PanelHistoryTransferTest, AHistoryThatCannotBeKeptLeavesTheWriteASuccessWithAWarning) {
  // The folder would be below a file, as with XDG_DATA_HOME naming a file.
  history.folder = dir.Write("data", "a file") + "/lumora/history";
  TQMProject project(Services());
  ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
  Prepare(project);
  Simulator sim({"--panel", "QM210"});
  RunOperation(project, TransferOperation::Write, sim.Path());
  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(outcome.text, "Project has been written to the panel successfully.");
  ASSERT_EQ(outcome.warnings.size(), 1u);
  EXPECT_EQ(outcome.warnings[0], "The panel history could not keep this transfer: " + history.folder +
                                     "/projects: Not a directory");
}

// A write that keeps the unit's previous project: the read chosen for the target, what it keeps, and the
// write itself unchanged on the wire.
class KeepPreviousTest : public PanelHistoryTransferTest {
 protected:
  TQMProject Demo() {
    TQMProject project(Services());
    EXPECT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
    Prepare(project);
    return project;
  }
  TQMProject Multiplexer() {
    TQMProject project = testing::MakeMultiplexerProject(Services());
    Prepare(project);
    return project;
  }
  // The simulator's memory after `project` was written to `target` (plain writes, kept nowhere).
  std::string WrittenState(const std::vector<std::string>& simulator, TQMProject& project,
                           const std::vector<TransferTarget>& targets, bool direct = false) {
    std::string state = dir.File("written.json");
    std::remove(state.c_str());
    std::vector<std::string> options = simulator;
    options.insert(options.end(), {"--state", state});
    Simulator sim(options);
    HistoryOptions kept = std::exchange(history, {});
    bool keep = std::exchange(keepPrevious, false);
    for (TransferTarget target : targets) {
      RunOperation(project, TransferOperation::Write, sim.Path(), target, direct);
      EXPECT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
    }
    history = kept;
    keepPrevious = keep;
    sim.Stop();
    return TempDir::Read(state);
  }
  std::vector<PanelHistoryEntry> Entries() {
    std::vector<PanelHistoryEntry> entries;
    EXPECT_TRUE(PanelHistory(history.folder).Load(entries));
    return entries;
  }
};

TEST_F(KeepPreviousTest, TheUnitsProjectIsKeptBeforeAWriteThatGoesOverTheWireAsAPlainOne) {
  struct Case {
    const char* name;
    bool multiplexer;
    std::vector<std::string> simulator;
    TransferTarget target;
    bool direct;
    // The read that covers the target: the one panel, or the whole multiplexer system.
    std::string keptTarget;
    std::string keptModel;
  };
  const Case cases[] = {
      {"single panel", false, {"--panel", "QM210"}, TransferTarget::None, false, "Panel", "QM210"},
      {"panel 2 behind the multiplexer",
       true,
       {"--mux", "2:QM210,5:QMSV", "--empty-port-std"},
       TransferTarget::Panel2,
       false,
       "Whole project",
       "Multiplexer"},
      {"multiplexer",
       true,
       {"--mux", "2:QM210,5:QMSV", "--empty-port-std"},
       TransferTarget::Multiplexer,
       false,
       "Whole project",
       "Multiplexer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    history.folder.clear();
    keepPrevious = false;
    TQMProject earlier = c.multiplexer ? Multiplexer() : Demo();
    std::string written =
        WrittenState(c.simulator, earlier, {c.direct ? c.target : TransferTarget::WriteProject}, c.direct);
    TQMProject next = c.multiplexer ? Multiplexer() : Demo();
    std::string& text = next.FindPanel(c.multiplexer ? 2 : 1)->messages.front().text;
    text[0] = 'X';

    // A plain read, then a plain write, from the same memory.
    std::string plainState = dir.Write("plain.json", written);
    std::string plainTrace = dir.File("plain-trace.txt");
    std::string held;
    {
      std::vector<std::string> options = c.simulator;
      options.insert(options.end(), {"--state", plainState, "--trace", plainTrace});
      Simulator sim(options);
      TQMProject read = ReadProject();
      RunOperation(read, TransferOperation::Read, sim.Path());
      ASSERT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
      outcome.readProject->multiplexer.selectedPort = 1;
      held = ProjectFileText(*outcome.readProject);
      TQMProject plain(next);
      RunOperation(plain, TransferOperation::Write, sim.Path(), c.target, c.direct);
      ASSERT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
    }

    history.folder = dir.File("history");
    std::filesystem::remove_all(history.folder);
    keepPrevious = true;
    std::string keptState = dir.Write("kept.json", written);
    std::string keptTrace = dir.File("kept-trace.txt");
    {
      std::vector<std::string> options = c.simulator;
      options.insert(options.end(), {"--state", keptState, "--trace", keptTrace});
      Simulator sim(options);
      RunOperation(next, TransferOperation::Write, sim.Path(), c.target, c.direct);
      ASSERT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
      EXPECT_EQ(outcome.text, SuccessText(kStepWriteFinished, c.multiplexer));
      EXPECT_TRUE(outcome.warnings.empty()) << outcome.warnings.front();
    }
    // The read is a plain read and the write a plain write, byte for byte, and the unit ends the same.
    EXPECT_EQ(TraceLines(keptTrace, ""), TraceLines(plainTrace, ""));
    EXPECT_TRUE(TempDir::Read(keptState) == TempDir::Read(plainState));

    std::vector<PanelHistoryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].operation, "write");
    EXPECT_EQ(entries[1].operation, "before write");
    EXPECT_EQ(entries[1].target, c.keptTarget);
    EXPECT_EQ(entries[1].model, c.keptModel);
    EXPECT_EQ(entries[1].projectName, "plant.lmx");
    std::string stored;
    ASSERT_TRUE(PanelHistory(history.folder).ReadProject(entries[1], stored));
    EXPECT_TRUE(stored == held) << "the kept project is not what a read of the unit gives";
    ASSERT_TRUE(PanelHistory(history.folder).ReadProject(entries[0], stored));
    EXPECT_TRUE(stored == ProjectFileText(next)) << "the kept write is not the project written";
  }
}

TEST_F(KeepPreviousTest, NothingToKeepIsNotedAndTheWriteGoesOn) {
  struct Case {
    const char* name;
    bool multiplexer;
    std::vector<std::string> simulator;
    std::vector<TransferTarget> writtenBefore;
    TransferTarget target;
    bool direct;
    std::string note;       // empty: none
    std::vector<int> kept;  // the ports of the project kept before the write; empty: none kept
  };
  const Case cases[] = {
      {"a panel never written",
       false,
       {"--panel", "QM210"},
       {},
       TransferTarget::None,
       false,
       "The unit held no project: nothing was kept before the write.",
       {}},
      {"port 5's panel never written: the multiplexer and port 2 are kept without it",
       true,
       {"--mux", "2:QM210,5:QMSV", "--empty-port-std"},
       {TransferTarget::Multiplexer, TransferTarget::Panel2},
       TransferTarget::Panel5,
       false,
       "",
       {2}},
      {"a panel of the system connected directly",
       true,
       {"--panel", "QM210"},
       {TransferTarget::Panel2},
       TransferTarget::Panel2,
       true,
       "A panel connected directly cannot be read without its multiplexer: nothing was kept before the "
       "write.",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    history.folder = dir.File("history");
    std::filesystem::remove_all(history.folder);
    keepPrevious = true;
    TQMProject project = c.multiplexer ? Multiplexer() : Demo();
    std::string written = WrittenState(c.simulator, project, c.writtenBefore, c.direct);
    project.FindPanel(c.multiplexer ? PortOf(c.target) : 1)->messages.front().text[0] = 'X';
    std::string state = dir.Write("state.json", written);
    std::vector<std::string> options = c.simulator;
    options.insert(options.end(), {"--state", state});
    Simulator sim(options);
    ui.messages.clear();
    RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path(), c.target, c.direct);
    ASSERT_TRUE(outcome.Succeeded()) << ::testing::PrintToString(outcome.errors);
    std::string success = SuccessText(kStepWriteFinished, c.multiplexer);
    EXPECT_EQ(outcome.text, c.note.empty() ? success : c.note + "\n" + success);
    EXPECT_TRUE(ui.Texts().empty()) << ui.Texts().front();
    std::vector<std::string> statuses;
    for (const TransferEvent& event : sink.Events()) {
      if (event.step == kStepStatusText && (statuses.empty() || statuses.back() != event.statusText))
        statuses.push_back(event.statusText);
    }
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.front(), c.direct ? c.note : "Reading the unit's project first...");
    if (!c.note.empty()) {
      EXPECT_NE(std::find(statuses.begin(), statuses.end(), c.note), statuses.end());
    }

    std::vector<PanelHistoryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), c.kept.empty() ? 1u : 2u);
    EXPECT_EQ(entries[0].operation, "write");
    if (!c.kept.empty()) {
      EXPECT_EQ(entries[1].operation, "before write");
      TQMProject kept(Services());
      ASSERT_TRUE(PanelHistory(history.folder).LoadProject(entries[1], kept));
      std::vector<int> ports;
      for (size_t i = 0; i < kept.PanelCount(); ++i)
        ports.push_back(kept.Panel(i).port);
      EXPECT_EQ(ports, c.kept);
    }
    sim.Stop();
    EXPECT_FALSE(TempDir::Read(state) == written) << "nothing was written";
  }
}

TEST_F(KeepPreviousTest, AReadThatFailsStopsTheWriteWithTheUnitUnchanged) {
  struct Case {
    const char* name;
    std::vector<std::string> faults;
  };
  const Case cases[] = {
      {"an error on the message dump, which only a read sends", {"--error", "7@B4"}},
      {"the system attributes' reply lost twice", {"--drop", "2,3"}},
  };
  TQMProject project = Demo();
  std::string written = WrittenState({"--panel", "QM210"}, project, {TransferTarget::None});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> options = {"--panel", "QM210"};
    options.insert(options.end(), c.faults.begin(), c.faults.end());
    std::vector<std::string> readErrors;
    {
      Simulator sim(options);
      TQMProject read = ReadProject();
      history.folder.clear();
      keepPrevious = false;
      RunOperation(read, TransferOperation::Read, sim.Path());
      readErrors = outcome.errors;
      ASSERT_FALSE(readErrors.empty());
    }
    history.folder = dir.File("history");
    keepPrevious = true;
    std::string state = dir.Write("state.json", written);
    options.insert(options.end(), {"--state", state});
    Simulator sim(options);
    RunOperation(project, TransferOperation::Write, sim.Path());
    EXPECT_EQ(outcome.result, TransferOutcome::Failed);
    EXPECT_EQ(outcome.errors, readErrors);
    sim.Stop();
    EXPECT_TRUE(TempDir::Read(state) == written) << "the unit's memory changed";
    EXPECT_TRUE(Entries().empty());
  }
}

TEST(PanelHistoryTest, TheLimitDropsTheOldestAndTheProjectsNoEntryKeeps) {
  struct Case {
    std::vector<std::string> projects;  // added in this order
    int limit;
    std::vector<int> numbers;         // newest first
    std::vector<std::string> stored;  // the projects left
  };
  const Case cases[] = {
      {{"A", "B", "C"}, 2, {3, 2}, {"B", "C"}},
      {{"A", "B", "A"}, 2, {3, 2}, {"A", "B"}},  // the dropped entry's project is still the newest's
      {{"A", "A", "A"}, 500, {3, 2, 1}, {"A"}},
      {{"A", "B"}, 0, {2}, {"B"}},  // never fewer than one
  };
  for (const Case& c : cases) {
    TempDir dir;
    PanelHistory history(dir.File("history"));
    std::vector<std::string> warnings;
    for (const std::string& project : c.projects) {
      PanelHistoryEntry entry;
      entry.operation = "write";
      EXPECT_TRUE(history.Add(entry, project, c.limit, warnings));
    }
    EXPECT_TRUE(warnings.empty());
    std::vector<PanelHistoryEntry> entries;
    ASSERT_TRUE(history.Load(entries));
    std::vector<int> numbers;
    for (const PanelHistoryEntry& entry : entries)
      numbers.push_back(entry.number);
    EXPECT_EQ(numbers, c.numbers);
    std::vector<std::string> stored;
    for (const char* project : {"A", "B", "C"}) {
      if (std::filesystem::exists(history.ProjectPath(Sha256Hex(project)))) stored.push_back(project);
    }
    EXPECT_EQ(stored, c.stored);
  }
}

TEST(PanelHistoryTest, ADamagedIndexIsReportedAndSetAsideAndADamagedProjectIsRefused) {
  TempDir dir;
  PanelHistory history(dir.File("history"));
  std::vector<std::string> warnings;
  PanelHistoryEntry entry;
  entry.operation = "read";
  entry.projectName = "tab\there.lmx";
  ASSERT_TRUE(history.Add(entry, "P", 10, warnings));
  std::string damaged = TempDir::Read(history.IndexPath()) + "2\tnot a time\tx\n";
  dir.Write("history/index.txt", damaged);

  std::vector<PanelHistoryEntry> entries;
  std::string error;
  EXPECT_FALSE(history.Load(entries, &error));
  EXPECT_EQ(error, "The panel history's index " + history.IndexPath() +
                       " is damaged: line 3: 3 fields instead of 9");
  EXPECT_EQ(TempDir::Read(history.IndexPath()), damaged);

  ASSERT_TRUE(history.Add(entry, "Q", 10, warnings));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].rfind(error + ". It was kept as " + history.IndexPath() + ".damaged-", 0), 0u)
      << warnings[0];
  std::string aside = warnings[0].substr(warnings[0].find(" kept as ") + 9);
  aside = aside.substr(0, aside.find(" and a new index"));
  EXPECT_EQ(TempDir::Read(aside), damaged);
  ASSERT_TRUE(history.Load(entries, &error)) << error;
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].projectName, "tab\there.lmx");

  dir.Write("history/projects/" + entries[0].projectId + ".lmx", "changed");
  std::string text;
  EXPECT_FALSE(history.ReadProject(entries[0], text, &error));
  EXPECT_NE(error.find("is damaged"), std::string::npos) << error;
}

TEST(PanelHistoryTest, TwoWritersAtOnceLoseNoEntry) {
  TempDir dir;
  auto writer = [&dir](char project) {
    PanelHistory history(dir.File("history"));
    std::vector<std::string> warnings;
    for (int i = 0; i < 15; ++i) {
      PanelHistoryEntry entry;
      entry.operation = "write";
      history.Add(entry, std::string(1, project), 500, warnings);
    }
  };
  std::thread first(writer, 'A');
  std::thread second(writer, 'B');
  first.join();
  second.join();
  std::vector<PanelHistoryEntry> entries;
  ASSERT_TRUE(PanelHistory(dir.File("history")).Load(entries));
  ASSERT_EQ(entries.size(), 30u);
  for (size_t i = 0; i < entries.size(); ++i)
    EXPECT_EQ(entries[i].number, static_cast<int>(30 - i));
}

}  // namespace
}  // namespace lumora
