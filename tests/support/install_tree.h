#pragma once
// The staged install tree the build produces, and install folders made up for a test.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "plc/install_dir.h"

namespace lumora::testing {

inline std::string StageDir() {
  const char* dir = std::getenv("LUMORA_STAGE_DIR");
  return dir ? dir : LUMORA_STAGE_DIR_DEFAULT;
}

inline std::string TestBinDir() {
  const char* dir = std::getenv("LUMORA_TEST_BIN");
  return dir ? dir : LUMORA_TEST_BIN_DEFAULT;
}

// Points the PLC layer at `dir` for the life of the object.
class ScopedInstallDir {
 public:
  explicit ScopedInstallDir(std::string dir) {
    SetInstallDirProvider([dir] { return dir; });
  }
  ~ScopedInstallDir() { SetInstallDirProvider(nullptr); }
};

// Links the stage's files into `dir` so a test can add or leave out libraries.
inline void LinkStageInto(const std::string& dir, bool withLibraries) {
  namespace fs = std::filesystem;
  std::string stage = StageDir();
  fs::create_directories(dir + "/dll");
  for (const char* sub : {"driver", "Firmware", "translations"})
    fs::create_directory_symlink(stage + "/" + sub, dir + "/" + sub);
  fs::create_symlink(stage + "/CtrlLink.so", dir + "/CtrlLink.so");
  fs::create_symlink(stage + "/RevLabel.so", dir + "/RevLabel.so");
  if (!withLibraries) return;
  for (const auto& entry : fs::directory_iterator(stage + "/dll")) {
    fs::create_symlink(entry.path(), dir + "/dll/" + entry.path().filename().string());
  }
}

}  // namespace lumora::testing
