#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "plc/install_dir.h"
#include "shell/app_settings.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// The program changes its current folder later (the GUI goes to the project folder), so a relative install
// dir must be fixed against the folder it started in.
TEST(InstallDirSettingTest, RelativeInstallDirIsFixedAtStartUp) {
  testing::TempDir dir;
  fs::path start = fs::canonical(dir.Path());
  fs::create_directory(start / "stage");
  fs::path previous = fs::current_path();
  const char* environment = std::getenv("LUMORA_INSTALL_DIR");
  std::string saved = environment ? environment : "";
  ::unsetenv("LUMORA_INSTALL_DIR");

  fs::current_path(start);
  MachineSettings machine(dir.File("machine.conf"));
  InstallPlatformSettings("stage", machine);
  fs::current_path("/");
  EXPECT_EQ(InstallDir(), (start / "stage").string());

  dir.Write("machine.conf", "[General]\nInstall%20Dir=.\n");
  fs::current_path(start / "stage");
  InstallPlatformSettings("", machine);
  EXPECT_EQ(ResolveInstallDir("", machine), (start / "stage").string());
  fs::current_path("/");
  EXPECT_EQ(InstallDir(), (start / "stage").string());
  EXPECT_EQ(InstallPath("RevLabel.so"), (start / "stage" / "RevLabel.so").string());

  fs::current_path(previous);
  if (!saved.empty()) ::setenv("LUMORA_INSTALL_DIR", saved.c_str(), 1);
  SetInstallDirProvider(nullptr);
}

}  // namespace
}  // namespace lumora
