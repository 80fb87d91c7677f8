#include "link/simulator_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lumora {

SimulatorProcess::SimulatorProcess(const std::string& program, const std::vector<std::string>& options) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return;
  // Everything the child needs is prepared before the fork: after it, only async-signal-safe calls.
  std::vector<char*> args{const_cast<char*>(program.c_str())};
  for (const std::string& option : options)
    args.push_back(const_cast<char*>(option.c_str()));
  args.push_back(nullptr);
  pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The parent may have gone between the fork and the line above.
    if (::getppid() != parent) ::_exit(127);
    ::dup2(out[1], 1);
    ::execv(program.c_str(), args.data());
    ::_exit(127);
  }
  ::close(out[1]);
  if (pid_ < 0) {
    ::close(out[0]);
    return;
  }
  FILE* output = ::fdopen(out[0], "r");
  char line[512] = {};
  if (output && std::fgets(line, sizeof line, output)) {
    path_ = line;
    while (!path_.empty() && (path_.back() == '\n' || path_.back() == '\r'))
      path_.pop_back();
  }
  if (output) {
    std::fclose(output);
  } else {
    ::close(out[0]);
  }
}

SimulatorProcess::~SimulatorProcess() {
  Stop();
}

int SimulatorProcess::Stop() {
  if (pid_ <= 0) return status_;
  ::kill(pid_, SIGTERM);
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return status_;
}

}  // namespace lumora
