#pragma once
// Runs the staged lumora-panel-sim for a test and stops it afterwards.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "link/simulator_process.h"
#include "support/install_tree.h"

namespace lumora::testing {

class Simulator : public SimulatorProcess {
 public:
  explicit Simulator(const std::vector<std::string>& options)
      : SimulatorProcess(StageDir() + "/bin/lumora-panel-sim", options) {}
};

}  // namespace lumora::testing
