#pragma once
// Runs lumora-panel-sim for a test and stops it afterwards.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "support/install_tree.h"

namespace lumora::testing {

class Simulator {
 public:
  explicit Simulator(const std::vector<std::string>& options) {
    int out[2];
    if (::pipe(out) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], 1);
      ::close(out[0]);
      ::close(out[1]);
      std::string program = StageDir() + "/bin/lumora-panel-sim";
      std::vector<char*> args{const_cast<char*>(program.c_str())};
      for (const std::string& option : options)
        args.push_back(const_cast<char*>(option.c_str()));
      args.push_back(nullptr);
      ::execv(program.c_str(), args.data());
      ::_exit(127);
    }
    ::close(out[1]);
    FILE* output = ::fdopen(out[0], "r");
    char line[512] = {};
    if (output && std::fgets(line, sizeof line, output)) {
      path_ = line;
      while (!path_.empty() && (path_.back() == '\n' || path_.back() == '\r'))
        path_.pop_back();
    }
    if (output) std::fclose(output);
  }
  ~Simulator() { Stop(); }
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // The pseudo-terminal's path, "" when the simulator did not start.
  const std::string& Path() const { return path_; }
  // Stops the simulator (it saves its state) and waits for it.
  int Stop() {
    if (pid_ <= 0) return status_;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  std::string path_;
};

}  // namespace lumora::testing
