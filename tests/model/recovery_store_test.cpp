#include "model/recovery_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace lumora {
namespace {

std::vector<std::string> CopiesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".recovery") names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(RecoveryStoreTest, AKeptCopyIsTheProjectBehindAHeaderAndRemoveTakesItAway) {
  testing::TempDir dir;
  std::string folder = dir.File("recovery");
  RecoveryStore store(folder);
  ASSERT_TRUE(store.Start());
  int slot = store.NewSlot();
  store.Keep(slot, "/plant/line%1\n.lmx", 1765250000, "first");
  store.Keep(slot, "/plant/line%1\n.lmx", 1765250001, "PROJECT\n");  // replaces the first before or after it is written
  store.Flush();
  std::vector<std::string> names = CopiesIn(folder);
  ASSERT_EQ(names.size(), 1u);
  std::string text = testing::TempDir::Read(folder + "/" + names[0]);
  EXPECT_EQ(text.substr(0, text.find("checksum=")),
            "Lumora recovery copy 1\npath=/plant/line%251%0A.lmx\nchanged=1765250001\nsize=8\n");
  EXPECT_EQ(text.substr(text.size() - 10), "\n\nPROJECT\n");
  std::string project;
  RecoveryCopy copy = RecoveryStore::ParseCopy("f", text, &project);
  EXPECT_EQ(copy.problem, "");
  EXPECT_EQ(copy.projectPath, "/plant/line%1\n.lmx");
  EXPECT_EQ(project, "PROJECT\n");

  store.Remove(slot);
  store.Flush();
  EXPECT_TRUE(CopiesIn(folder).empty());
  EXPECT_EQ(store.TakeWriteError(), "");
}

TEST(RecoveryStoreTest, TwoProgramsNeverTakeEachOthersCopies) {
  testing::TempDir dir;
  std::string folder = dir.File("recovery");
  auto first = std::make_unique<RecoveryStore>(folder);
  RecoveryStore second(folder);
  ASSERT_TRUE(first->Start());
  ASSERT_TRUE(second.Start());
  first->Keep(first->NewSlot(), "/a.lmx", 100, "A");
  second.Keep(second.NewSlot(), "/b.lmx", 200, "B");
  first->Flush();
  second.Flush();
  EXPECT_TRUE(second.ClaimAbandoned().empty());  // the first still runs
  EXPECT_TRUE(first->ClaimAbandoned().empty());

  first.reset();  // ends without removing its copy, as a program that is killed
  std::vector<RecoveryCopy> claimed = second.ClaimAbandoned();
  ASSERT_EQ(claimed.size(), 1u);
  EXPECT_EQ(claimed[0].projectPath, "/a.lmx");
  // A third program started meanwhile does not see what the second has claimed, until it lets go.
  RecoveryStore third(folder);
  ASSERT_TRUE(third.Start());
  EXPECT_TRUE(third.ClaimAbandoned().empty());
  second.EndClaims();
  ASSERT_EQ(third.ClaimAbandoned().size(), 1u);
  EXPECT_TRUE(third.Discard(claimed[0]));
  third.EndClaims();
  EXPECT_EQ(CopiesIn(folder).size(), 1u);  // the second's own
}

TEST(RecoveryStoreTest, ACopyThatCannotBeReadIsReportedAndSetAsideNotRemoved) {
  std::string good = RecoveryStore::CopyText("/p.lmx", 5, "PROJECT\n");
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"cut", good.substr(0, good.size() - 3)},
      {"changed", good.substr(0, good.size() - 2) + "X\n"},
      {"header", "LMX garbage\n\nPROJECT\n"},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempDir dir;
    std::string folder = dir.File("recovery");
    std::filesystem::create_directories(folder);
    dir.Write("recovery/pended_1-1.recovery", c.text);
    RecoveryStore store(folder);
    ASSERT_TRUE(store.Start());
    std::vector<RecoveryCopy> copies = store.ClaimAbandoned();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(copies[0].problem, "");
    std::string project;
    EXPECT_FALSE(RecoveryStore::ReadProject(copies[0], project));
    std::string where;
    ASSERT_TRUE(store.SetAside(copies[0], &where));
    EXPECT_EQ(testing::TempDir::Read(where), c.text);
    EXPECT_TRUE(store.ClaimAbandoned().empty());
  }
}

TEST(RecoveryStoreTest, AFolderThatCannotBeMadeIsSaidAndNothingIsKept) {
  testing::TempDir dir;
  dir.Write("file", "x");
  RecoveryStore store(dir.File("file") + "/recovery");
  std::string error;
  EXPECT_FALSE(store.Start(&error));
  EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
  store.Keep(store.NewSlot(), "/p.lmx", 1, "P");
  store.Flush();  // returns at once: nothing was queued
}

}  // namespace
}  // namespace lumora
