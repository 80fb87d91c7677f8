// The panel history: what a write or read against lumora-panel-sim leaves in it, the limit, a history that
// cannot be kept, a damaged index and two writers at once.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "model/project_file.h"
#include "support/sample_projects.h"
#include "support/transfer_fixture.h"
#include "transfer/panel_history.h"
#include "transfer/sha256.h"

namespace lumora {
namespace {

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
