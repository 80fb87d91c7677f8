#pragma once
// lumora-panel-sim as a child process: it opens its pseudo-terminal, prints the terminal's path, and
// answers on it as a panel (or a multiplexer with panels) until it is stopped. The path is the port.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace lumora {

class SimulatorProcess {
 public:
  static constexpr std::chrono::milliseconds kStartTimeout{10000};

  // Starts `program` with `options`; Path() is "" when it did not start (Error() says why). The child gets
  // SIGTERM when the thread that started it ends, so a simulator never outlives a crashed parent: start it
  // from a thread that lives as long as it should (the user-interface thread, a test's main thread).
  // A child that does not print its path within `startTimeout` is killed.
  SimulatorProcess(const std::string& program, const std::vector<std::string>& options,
                   std::chrono::milliseconds startTimeout = kStartTimeout);
  ~SimulatorProcess();
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // The pseudo-terminal's path, "" when the simulator did not start.
  const std::string& Path() const { return path_; }
  // Why the simulator did not start; "" when it runs.
  const std::string& Error() const { return error_; }
  // The child's process id; -1 once it was stopped (or never started).
  pid_t Pid() const { return pid_; }
  // Stops the simulator (it saves its state first) and waits for it; its exit status, -1 when it did not
  // exit normally.
  int Stop();

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  std::string path_;
  std::string error_;
};

}  // namespace lumora
