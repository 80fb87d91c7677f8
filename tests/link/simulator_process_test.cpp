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
    std::chrono::milliseconds limit;  // a child that ends by itself gets time to, on a busy machine too
    std::string error;
  };
  using std::chrono::milliseconds;
  const std::vector<Case> cases = {
      {"/bin/sleep", {"600"}, milliseconds(200),
       "The panel simulator did not report its port within 200 milliseconds."},
      {"/bin/true", {}, milliseconds(30000), "The panel simulator ended without reporting its port."},
      {"/bin/echo", {}, milliseconds(30000), "The panel simulator reported no valid port."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    SimulatorProcess process(c.program, c.options, c.limit);
    EXPECT_EQ(process.Path(), "");
    EXPECT_EQ(process.Error(), c.error);
    EXPECT_EQ(process.Pid(), -1);
  }
}

}  // namespace
}  // namespace lumora
