// The editors' widget tests need one QApplication for the whole binary, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "support/temp_dir.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Per-user settings (list column widths and the like) stay in a folder of this run.
    config_ = std::make_unique<lumora::testing::TempDir>();
    qputenv("XDG_CONFIG_HOME", config_->File("config").c_str());
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "editors_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<lumora::testing::TempDir> config_;
  std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
