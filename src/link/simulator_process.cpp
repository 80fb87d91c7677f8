#include "link/simulator_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "model/translation.h"

namespace lumora {

namespace {

// Reads one line from `fd` within `timeout`; false with `error` set when none came (or it never ended).
bool ReadFirstLine(int fd, std::chrono::milliseconds timeout, std::string& line, std::string& error) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + timeout;
  constexpr std::size_t kLongestLine = 512;
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      error =
          timeout.count() % 1000 == 0
              ? Arg(translate("Core", "The panel simulator did not report its port within %1 seconds."),
                    static_cast<long long>(timeout.count() / 1000))
              : Arg(translate("Core", "The panel simulator did not report its port within %1 milliseconds."),
                    static_cast<long long>(timeout.count()));
      return false;
    }
    pollfd wait{fd, POLLIN, 0};
    int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
    if (ready < 0) {
      if (errno == EINTR) continue;
      error = translate("Core", "The panel simulator's output cannot be read.");
      return false;
    }
    if (ready == 0) continue;
    char chunk[128];
    ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      error = translate("Core", "The panel simulator's output cannot be read.");
      return false;
    }
    if (got == 0) {
      error = translate("Core", "The panel simulator ended without reporting its port.");
      return false;
    }
    for (ssize_t i = 0; i < got; ++i) {
      if (chunk[i] == '\n') return true;
      line.push_back(chunk[i]);
    }
    if (line.size() > kLongestLine) {
      error = translate("Core", "The panel simulator reported no valid port.");
      return false;
    }
  }
}

}  // namespace

SimulatorProcess::SimulatorProcess(const std::string& program, const std::vector<std::string>& options,
                                   std::chrono::milliseconds startTimeout) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) {
    error_ = translate("Core", "The panel simulator cannot be started.");
    return;
  }
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
    error_ = translate("Core", "The panel simulator cannot be started.");
    return;
  }
  // The first line is the pseudo-terminal's path; a simulator that stays silent must not hang the caller.
  std::string line;
  bool gotLine = ReadFirstLine(out[0], startTimeout, line, error_);
  ::close(out[0]);
  while (!line.empty() && line.back() == '\r')
    line.pop_back();
  if (gotLine && line.empty()) {
    gotLine = false;
    error_ = translate("Core", "The panel simulator reported no valid port.");
  }
  if (!gotLine) {
    // Nothing to save from a simulator that never came up: it is killed, not asked to stop.
    ::kill(pid_, SIGKILL);
    Stop();
    return;
  }
  path_ = line;
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
