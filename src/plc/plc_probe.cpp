#include "plc/plc_probe.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <sstream>
#include <tuple>

#include "model/file_io.h"
#include "plc/install_dir.h"
#include "plc/plc_library.h"

namespace lumora {
namespace {

constexpr const char* kCacheHeader = "lumora-plc-probe-cache 2";
constexpr const char* kProgramName = "lumora-plc-probe";

// The file a probe answer belongs to: it is probed again once any of these changes.
struct FileKey {
  std::string path;
  long long size = 0;
  long long modified = 0;  // nanoseconds since the epoch
  unsigned long long inode = 0;
  bool operator<(const FileKey& other) const {
    return std::tie(path, size, modified, inode) < std::tie(other.path, other.size, other.modified, other.inode);
  }
};

bool KeyOf(const std::string& path, FileKey& key) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return false;
  key.path = path;
  key.size = static_cast<long long>(info.st_size);
  key.modified = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  key.inode = static_cast<unsigned long long>(info.st_ino);
  return true;
}

struct Settings {
  std::mutex mutex;
  std::string cacheFile;
  std::chrono::milliseconds timeLimit{5000};
  std::map<FileKey, PlcLibraryProbe> known;  // this process's answers, when there is no cache file
};

Settings& State() {
  static Settings settings;
  return settings;
}

std::string Field(const std::string& text) {
  return text.empty() ? "-" : HexText(text);
}

bool FromField(const std::string& field, std::string& text) {
  if (field == "-") {
    text.clear();
    return true;
  }
  return !field.empty() && FromHexText(field, text);
}

// The cache: a header line, then per library its key and answer. Anything unexpected discards all of it.
// It holds only usable libraries.
std::map<FileKey, PlcLibraryProbe> ReadCache(const std::string& file) {
  std::map<FileKey, PlcLibraryProbe> cache;
  std::string contents;
  if (file.empty() || !ReadWholeFile(file, contents)) return cache;
  std::istringstream in(contents);
  std::string line;
  if (!std::getline(in, line) || line != kCacheHeader) return cache;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string path, name, detailsName, problem;
    FileKey key;
    PlcLibraryProbe probe;
    int usable = 0, setsType = 0;
    std::string end;
    if (!(fields >> path >> key.size >> key.modified >> key.inode >> usable >> probe.manufacturerId >>
          probe.modelId >> setsType >> name >> detailsName >> problem) ||
        (fields >> end) || !FromField(path, key.path) || key.path.empty() || !FromField(name, probe.name) ||
        !FromField(detailsName, probe.detailsName) || !FromField(problem, probe.problem) ||
        usable != 1 || (setsType != 0 && setsType != 1) || probe.manufacturerId < 0 ||
        probe.manufacturerId > 255 || probe.modelId < 0 || probe.modelId > 255) {
      return {};
    }
    probe.path = key.path;
    probe.usable = usable == 1;
    probe.setsApplicationType = setsType == 1;
    cache[key] = probe;
  }
  return cache;
}

void WriteCache(const std::string& file, const std::map<FileKey, PlcLibraryProbe>& cache) {
  std::string text = std::string(kCacheHeader) + "\n";
  for (const auto& [key, probe] : cache) {
    FileKey now;
    if (!KeyOf(key.path, now) || now < key || key < now) continue;  // gone or changed since
    text += Field(key.path) + " " + std::to_string(key.size) + " " + std::to_string(key.modified) + " " +
            std::to_string(key.inode) + " " + (probe.usable ? "1" : "0") + " " +
            std::to_string(probe.manufacturerId) + " " + std::to_string(probe.modelId) + " " +
            (probe.setsApplicationType ? "1" : "0") + " " + Field(probe.name) + " " + Field(probe.detailsName) + " " +
            Field(probe.problem) + "\n";
  }
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
  // A cache that cannot be written only costs the probes again next time.
  (void)WriteFileAtomically(file, text);
}

// The answer of the library loaded here: only without the helper program.
PlcLibraryProbe ProbeHere(const std::string& path) {
  PlcLibraryProbe probe;
  probe.path = path;
  std::string error;
  std::unique_ptr<PlcLibraryModule> module = PlcLibraryModule::Open(path, &error);
  if (!module) {
    probe.problem = "It cannot be loaded: " + error + ".";
    return probe;
  }
  probe.usable = true;
  probe.name = module->Name();
  probe.setsApplicationType = module->setApplicationType != nullptr;
  if (!probe.name.empty() && module->setApplicationType) module->setApplicationType(2);
  LumoraPlcDetails details;
  std::memset(&details, 0, sizeof details);
  if (module->details) module->details(&details);
  details.plcName[sizeof details.plcName - 1] = '\0';
  probe.detailsName = details.plcName;
  probe.manufacturerId = details.manufacturerId;
  probe.modelId = details.modelId;
  return probe;
}

struct Child {
  size_t index = 0;
  pid_t pid = -1;
  int fd = -1;
  std::string output;
  bool outputDone = false;
  bool exited = false;
  int status = 0;
  bool timedOut = false;
  std::chrono::steady_clock::time_point deadline;
};

bool Start(const std::string& program, const std::string& library, Child& child) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return false;
  // Everything the child needs is prepared before the fork: after it, only async-signal-safe calls.
  std::vector<char*> args{const_cast<char*>(program.c_str()), const_cast<char*>(library.c_str()), nullptr};
  pid_t parent = ::getpid();
  pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    int quiet = ::open("/dev/null", O_RDWR);
    ::dup2(quiet, 0);
    ::dup2(out[1], 1);
    ::dup2(quiet, 2);  // a crash report of the library is not ours to show
    ::execv(program.c_str(), args.data());
    ::_exit(127);
  }
  ::close(out[1]);
  if (pid < 0) {
    ::close(out[0]);
    return false;
  }
  child.pid = pid;
  child.fd = out[0];
  return true;
}

// Takes what the pipe holds without waiting: the child has ended, but what it started may hold the pipe.
void Drain(Child& child) {
  ::fcntl(child.fd, F_SETFL, ::fcntl(child.fd, F_GETFL) | O_NONBLOCK);
  char chunk[512];
  ssize_t got;
  while (!child.outputDone && child.output.size() < 4096 && (got = ::read(child.fd, chunk, sizeof chunk)) > 0)
    child.output.append(chunk, static_cast<size_t>(got));
  child.outputDone = true;
}

// Reads every child's answer until each has ended or run out of time, and reaps them all.
void Collect(std::vector<Child>& children) {
  using Clock = std::chrono::steady_clock;
  for (;;) {
    std::vector<pollfd> waits;
    std::vector<Child*> reading;
    bool waiting = false;
    Clock::time_point now = Clock::now();
    Clock::time_point next = now + std::chrono::milliseconds(1000);
    for (Child& child : children) {
      if (child.exited) continue;
      pid_t done = ::waitpid(child.pid, &child.status, WNOHANG);
      if (done == child.pid || (done < 0 && errno == ECHILD)) {
        child.exited = true;
      } else if (now >= child.deadline) {
        ::kill(child.pid, SIGKILL);
        child.timedOut = true;
        while (::waitpid(child.pid, &child.status, 0) < 0 && errno == EINTR) {
        }
        child.exited = true;
      }
      if (child.exited) {
        Drain(child);
        continue;
      }
      waiting = true;
      next = std::min(next, child.deadline);
      if (!child.outputDone) {
        waits.push_back({child.fd, POLLIN, 0});
        reading.push_back(&child);
      } else {
        next = std::min(next, now + std::chrono::milliseconds(5));  // ended its output, not yet exited
      }
    }
    if (!waiting) break;
    int timeout = static_cast<int>(
        std::max<long long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(next - now).count()));
    int ready = ::poll(waits.data(), waits.size(), timeout);
    if (ready <= 0) continue;
    for (size_t i = 0; i < waits.size(); ++i) {
      if (waits[i].revents == 0) continue;
      char chunk[512];
      ssize_t got = ::read(waits[i].fd, chunk, sizeof chunk);
      if (got > 0) {
        if (reading[i]->output.size() < 4096) reading[i]->output.append(chunk, static_cast<size_t>(got));
      } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
        reading[i]->outputDone = true;
      }
    }
  }
  for (Child& child : children) {
    if (child.fd >= 0) ::close(child.fd);
    child.fd = -1;
  }
}

// The child's answer, or what went wrong with it.
PlcLibraryProbe Interpret(const std::string& path, const Child& child, std::chrono::milliseconds limit) {
  PlcLibraryProbe probe;
  probe.path = path;
  std::istringstream lines(child.output);
  std::string line;
  bool unloaded = false;
  std::string error;
  bool haveError = false;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string word, value;
    fields >> word;
    if (word == "error") {
      fields >> value;
      haveError = FromField(value.empty() ? "-" : value, error);
    } else if (word == "name") {
      fields >> value;
      if (!FromField(value.empty() ? "-" : value, probe.name)) probe.name.clear();
    } else if (word == "details-name") {
      fields >> value;
      if (!FromField(value.empty() ? "-" : value, probe.detailsName)) probe.detailsName.clear();
    } else if (word == "ids") {
      fields >> probe.manufacturerId >> probe.modelId;
    } else if (word == "application-type") {
      int sets = 0;
      fields >> sets;
      probe.setsApplicationType = sets == 1;
    } else if (word == "unloaded") {
      unloaded = true;
    }
  }
  if (child.timedOut) {
    long long seconds = std::max<long long>(1, (limit.count() + 999) / 1000);
    probe.problem = "It did not finish loading within " + std::to_string(seconds) + " second" +
                    (seconds == 1 ? "" : "s") + " and was stopped.";
  } else if (haveError) {
    probe.problem = "It cannot be loaded: " + error + ".";
  } else if (WIFSIGNALED(child.status)) {
    int signal = WTERMSIG(child.status);
    const char* description = ::sigdescr_np(signal);
    probe.problem = "It crashed while it was loaded and queried (signal " + std::to_string(signal) +
                    (description ? std::string(", ") + description : std::string()) + ").";
  } else if (WIFEXITED(child.status) && WEXITSTATUS(child.status) == 127 && child.output.empty()) {
    probe.problem = "Its test program " + std::string(kProgramName) + " cannot be run.";
  } else if (!WIFEXITED(child.status) || WEXITSTATUS(child.status) != 0 || !unloaded) {
    probe.problem = "It ended the program that loaded it (exit status " +
                    std::to_string(WIFEXITED(child.status) ? WEXITSTATUS(child.status) : -1) +
                    ") while it was loaded and queried.";
  } else if (probe.manufacturerId < 0 || probe.manufacturerId > 255 || probe.modelId < 0 || probe.modelId > 255) {
    probe.problem = "Its answer cannot be read.";
  } else {
    probe.usable = true;
  }
  if (!probe.usable) {
    probe.name.clear();
    probe.detailsName.clear();
    probe.manufacturerId = probe.modelId = 0;
    probe.setsApplicationType = false;
  }
  return probe;
}

}  // namespace

std::string HexText(const std::string& text) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(text.size() * 2);
  for (unsigned char c : text) {
    hex += digits[c >> 4];
    hex += digits[c & 0x0F];
  }
  return hex;
}

bool FromHexText(const std::string& hex, std::string& text) {
  if (hex.size() % 2 != 0) return false;
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = digit(hex[i]);
    int low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
  }
  text = std::move(out);
  return true;
}

void SetPlcProbeCacheFile(const std::string& path) {
  std::lock_guard lock(State().mutex);
  State().cacheFile = path;
}

std::string UserPlcProbeCacheFile() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache && cache[0] == '/') return std::string(cache) + "/lumora/plc-libraries";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.cache/lumora/plc-libraries";
  return "";
}

void SetPlcProbeTimeLimit(std::chrono::milliseconds limit) {
  std::lock_guard lock(State().mutex);
  State().timeLimit = limit;
}

std::string PlcProbeProgram() {
  std::vector<std::string> candidates;
  char buffer[PATH_MAX];
  ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) {
    std::string exe(buffer, static_cast<size_t>(length));
    candidates.push_back(exe.substr(0, exe.rfind('/') + 1) + kProgramName);
  }
  std::string installed = InstallPath(std::string("bin/") + kProgramName);
  if (installed[0] == '/') candidates.push_back(installed);
  for (const std::string& candidate : candidates) {
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

std::vector<PlcLibraryProbe> ProbePlcLibraries(const std::vector<std::string>& paths) {
  std::string cacheFile;
  std::chrono::milliseconds limit;
  {
    std::lock_guard lock(State().mutex);
    cacheFile = State().cacheFile;
    limit = State().timeLimit;
  }
  std::map<FileKey, PlcLibraryProbe> cache = ReadCache(cacheFile);
  bool cacheChanged = false;
  std::vector<PlcLibraryProbe> answers(paths.size());
  std::vector<FileKey> keys(paths.size());
  std::vector<size_t> toProbe;
  {
    std::lock_guard lock(State().mutex);
    for (size_t i = 0; i < paths.size(); ++i) {
      answers[i].path = paths[i];
      if (!KeyOf(paths[i], keys[i])) {
        answers[i].problem = std::string("It cannot be read: ") + std::strerror(errno) + ".";
        continue;
      }
      // With a cache file that file is the memory (another run may have renewed it), else this process's.
      auto kept = cache.find(keys[i]);
      auto known = State().known.find(keys[i]);
      if (!cacheFile.empty() && kept != cache.end()) {
        answers[i] = kept->second;
      } else if (cacheFile.empty() && known != State().known.end()) {
        answers[i] = known->second;
      } else {
        toProbe.push_back(i);
      }
    }
  }

  std::string program = toProbe.empty() ? "" : PlcProbeProgram();
  std::vector<Child> children;
  // A few at a time: a full dll folder must not start a process for every library at once.
  constexpr size_t kSideBySide = 8;
  for (size_t first = 0; first < toProbe.size(); first += kSideBySide) {
    std::vector<Child> batch;
    for (size_t i : std::vector<size_t>(toProbe.begin() + static_cast<std::ptrdiff_t>(first),
                                        toProbe.begin() + static_cast<std::ptrdiff_t>(
                                                              std::min(toProbe.size(), first + kSideBySide)))) {
      Child child;
      child.index = i;
      if (!program.empty() && Start(program, paths[i], child)) {
        child.deadline = std::chrono::steady_clock::now() + limit;
        batch.push_back(child);
      } else {
        answers[i] = ProbeHere(paths[i]);  // not kept: another run may have the helper program
      }
    }
    Collect(batch);
    children.insert(children.end(), batch.begin(), batch.end());
  }
  for (const Child& child : children) {
    answers[child.index] = Interpret(paths[child.index], child, limit);
    // A probe that ran out of time may have met a busy machine: it is tried again next time.
    if (child.timedOut) continue;
    std::lock_guard lock(State().mutex);
    if (cacheFile.empty()) State().known[keys[child.index]] = answers[child.index];
    // Only good answers are kept between runs: a library that failed is tried (and reported) again, so
    // that one whose fault lay elsewhere (a missing dependency since installed) comes back by itself.
    if (answers[child.index].usable) {
      cache[keys[child.index]] = answers[child.index];
      cacheChanged = true;
    }
  }
  if (cacheChanged && !cacheFile.empty()) WriteCache(cacheFile, cache);
  return answers;
}

}  // namespace lumora
