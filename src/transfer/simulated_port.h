#pragma once
// The software panel as a port: the program starts lumora-panel-sim (Port > "Simulated Panel") and
// transfers over its pseudo-terminal as over a serial port. The child process itself is the link layer's
// business; the program sees this port only.

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace lumora {

class SimulatorProcess;

class SimulatedPort {
 public:
  static constexpr std::chrono::milliseconds kStartTimeout{10000};

  // Starts the simulator `program` with `options` from the calling thread, which it must not outlive (the
  // child gets SIGTERM when that thread ends). Path() is "" when it did not start, and Error() says why.
  SimulatedPort(const std::string& program, const std::vector<std::string>& options,
                std::chrono::milliseconds startTimeout = kStartTimeout);
  // Stops the simulator, which saves its memory first.
  ~SimulatedPort();
  SimulatedPort(const SimulatedPort&) = delete;
  SimulatedPort& operator=(const SimulatedPort&) = delete;

  // The pseudo-terminal, the name of the port; "" when the simulator did not start.
  const std::string& Path() const;
  // Why the simulator did not start; "" when it runs.
  const std::string& Error() const;
  // The simulator's process id; -1 once it was stopped (or never started).
  pid_t Pid() const;
  // Stops the simulator and waits for it; its exit status, -1 when it did not exit normally.
  int Stop();

 private:
  std::unique_ptr<SimulatorProcess> process_;
};

}  // namespace lumora
