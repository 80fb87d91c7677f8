#pragma once
// Runs a program and collects its exit code and output.

#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace lumora::testing {

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Environment entries in `environment` are added to (or replace those of) the current environment.
inline ProcessResult RunProcess(const std::vector<std::string>& argv,
                                const std::map<std::string, std::string>& environment = {},
                                const std::string& workingDir = "") {
  char outName[] = "/tmp/lumora-out-XXXXXX";
  char errName[] = "/tmp/lumora-err-XXXXXX";
  int outFd = ::mkstemp(outName);
  int errFd = ::mkstemp(errName);
  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(outFd, 1);
    ::dup2(errFd, 2);
    int devNull = ::open("/dev/null", O_RDONLY);
    ::dup2(devNull, 0);
    for (const auto& [key, value] : environment)
      ::setenv(key.c_str(), value.c_str(), 1);
    if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) ::_exit(127);
    std::vector<char*> args;
    for (const std::string& arg : argv)
      args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::close(outFd);
  ::close(errFd);
  ProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadAll(outName);
  result.err = ReadAll(errName);
  ::unlink(outName);
  ::unlink(errName);
  return result;
}

}  // namespace lumora::testing
