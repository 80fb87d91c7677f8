#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "link/simulator_process.h"

namespace lumora {
namespace {

// A child that does not print its port gives a clear error, is reaped, and never hangs its starter.
TEST(SimulatorProcessTest, ChildWithoutPortFailsWithReason) {
  struct Case {
    std::string program;
    std::vector<std::string> options;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"/bin/sleep", {"600"}, "The panel simulator did not report its port within 200 milliseconds."},
      {"/bin/true", {}, "The panel simulator ended without reporting its port."},
      {"/bin/echo", {}, "The panel simulator reported no valid port."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    SimulatorProcess process(c.program, c.options, std::chrono::milliseconds(200));
    EXPECT_EQ(process.Path(), "");
    EXPECT_EQ(process.Error(), c.error);
    EXPECT_EQ(process.Pid(), -1);
  }
}

}  // namespace
}  // namespace lumora
