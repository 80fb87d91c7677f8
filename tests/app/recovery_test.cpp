// Recovery after a crash, with the real program killed by SIGKILL and started again (recovery_driver).

#include <gtest/gtest.h>

#include <filesystem>

#include "support/install_tree.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

using lumora::testing::TempDir;

class RecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lumora::testing::LinkStageInto(home_.File("install"), true);
    std::string machine = home_.Write("machine.conf", "[General]\nInstall Dir=" + home_.File("install") + "\n");
    environment_ = {{"HOME", home_.Path()},
                    {"XDG_CONFIG_HOME", home_.File("config")},
                    {"XDG_STATE_HOME", home_.File("state")},
                    {"XDG_CACHE_HOME", home_.File("cache")},
                    {"LUMORA_MACHINE_CONFIG", machine},
                    {"LUMORA_INSTALL_DIR", home_.File("install")},
                    {"ASAN_OPTIONS", "detect_leaks=0"}};
    project_ = home_.File("plant.lmx");
    std::filesystem::copy_file(lumora::testing::StageDir() + "/Project/demo-qm210.lmx", project_);
  }

  lumora::testing::ProcessResult Driver(std::vector<std::string> args) {
    args.insert(args.begin(), lumora::testing::TestBinDir() + "/recovery_driver");
    return lumora::testing::RunProcess(args, environment_);
  }
  // Changes the project in a program that is then killed; gives what a Save would have written.
  std::string ChangeAndKill(const std::string& kind) {
    lumora::testing::ProcessResult killed = Driver({"change", kind, project_, home_.File("expected")});
    EXPECT_EQ(killed.exitCode, 128 + 9) << killed.err;
    return TempDir::Read(home_.File("expected"));
  }
  std::vector<std::string> Copies(const std::string& folder = "") {
    std::vector<std::string> names;
    std::error_code code;
    for (const auto& entry :
         std::filesystem::directory_iterator(home_.File("state/lumora/recovery" + folder), code)) {
      if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    }
    return names;
  }
  size_t RecoveryCopies() {
    size_t count = 0;
    for (const std::string& name : Copies()) count += name.ends_with(".recovery");
    return count;
  }

  TempDir home_;
  std::map<std::string, std::string> environment_;
  std::string project_;
};

class KilledChange : public RecoveryTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(KilledChange, RecoverThenSaveWritesWhatASaveBeforeTheKillWould) {
  std::string kind = GetParam();
  std::string saved = kind == "new" ? "" : TempDir::Read(project_);
  if (kind == "new") std::filesystem::remove(project_);
  std::string expected = ChangeAndKill(kind);
  ASSERT_FALSE(expected.empty());
  ASSERT_EQ(RecoveryCopies(), 1u);
  if (kind != "new") {
    EXPECT_EQ(TempDir::Read(project_), saved);
    EXPECT_NE(expected, saved);
  }
  lumora::testing::ProcessResult recovered = Driver({"start", "recover"});
  ASSERT_EQ(recovered.exitCode, 0) << recovered.out << recovered.err;
  EXPECT_EQ(TempDir::Read(project_), expected);
  EXPECT_EQ(Copies(), std::vector<std::string>());  // no copy, no lock file left
}

INSTANTIATE_TEST_SUITE_P(EachKindOfChange, KilledChange, ::testing::Values("messages", "plc", "panel-type", "new"));

TEST_F(RecoveryTest, LaterKeepsTheCopyOpenAsksFirstAndDiscardRemovesIt) {
  std::string saved = TempDir::Read(project_);
  std::string expected = ChangeAndKill("messages");

  // Later, and --open answered No, keep the copy and the file.
  EXPECT_EQ(Driver({"start", "later"}).exitCode, 0);
  lumora::testing::ProcessResult declined = Driver({"start", "later", "--open", project_, "no"});
  EXPECT_EQ(declined.exitCode, 0);
  EXPECT_NE(declined.out.find("unsaved changes from"), std::string::npos) << declined.out;
  EXPECT_EQ(RecoveryCopies(), 1u);
  EXPECT_EQ(TempDir::Read(project_), saved);

  // Discard asks, and then the copy is gone for good.
  lumora::testing::ProcessResult discarded = Driver({"start", "discard"});
  EXPECT_NE(discarded.out.find("Discard the unsaved changes"), std::string::npos) << discarded.out;
  EXPECT_EQ(RecoveryCopies(), 0u);
  EXPECT_EQ(TempDir::Read(project_), saved);

  // --open answered Yes recovers without the list.
  expected = ChangeAndKill("panel-type");
  EXPECT_EQ(Driver({"start", "later", "--open", project_}).exitCode, 0);
  EXPECT_EQ(TempDir::Read(project_), expected);
  EXPECT_EQ(RecoveryCopies(), 0u);
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndKeptAside) {
  std::filesystem::create_directories(home_.File("state/lumora/recovery"));
  home_.Write("state/lumora/recovery/pgone_1-1.recovery", "Lumora recovery copy 1\npath=/x.lmx\n");
  lumora::testing::ProcessResult started = Driver({"start", "recover"});
  EXPECT_NE(started.out.find("could not be read"), std::string::npos) << started.out;
  EXPECT_EQ(Copies("/damaged"), std::vector<std::string>{"pgone_1-1.recovery"});
  EXPECT_EQ(Driver({"start", "recover"}).out, "");  // said once, not offered again
}

}  // namespace
