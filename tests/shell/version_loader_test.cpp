#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "revlabel/revlabel.h"
#include "shell/version_loader.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

TEST(VersionLibraryTest, ExportGivesIndependentOwnedStrings) {
  void* library = ::dlopen((testing::StageDir() + "/RevLabel.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr);
  auto get = reinterpret_cast<char* (*)()>(::dlsym(library, "GetApplicationVersion"));
  ASSERT_NE(get, nullptr);
  char* first = get();
  char* second = get();
  EXPECT_STREQ(first, "1.0");
  EXPECT_STREQ(second, "1.0");
  EXPECT_NE(first, second);
  std::free(first);
  std::free(second);
}

TEST(VersionLibraryTest, LoaderCopiesTheVersionAndReportsAMissingLibrary) {
  testing::RecordingInteraction ui;
  EXPECT_EQ(LoadApplicationVersion(testing::StageDir(), ui), "1.0");
  EXPECT_TRUE(ui.messages.empty());

  testing::TempDir empty;
  EXPECT_EQ(LoadApplicationVersion(empty.Path(), ui), "");
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error in loading Version Information. "}));

  // A library without the export: an empty version and no message.
  testing::TempDir other;
  std::filesystem::create_symlink(testing::StageDir() + "/CtrlLink.so", other.File("RevLabel.so"));
  ui.messages.clear();
  EXPECT_EQ(LoadApplicationVersion(other.Path(), ui), "");
  EXPECT_TRUE(ui.messages.empty());

  SetApplicationVersion("1.0");
  EXPECT_EQ(ApplicationVersion(), "1.0");
}

}  // namespace
}  // namespace lumora
