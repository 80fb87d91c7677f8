#include "model/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include "model/file_io.h"
#include "model/translation.h"

namespace lumora {
namespace {

constexpr const char* kFirstLine = "Lumora recovery copy 1";
constexpr const char* kCopyEnding = ".recovery";
constexpr const char* kLockEnding = ".lock";

uint64_t Checksum(const std::string& bytes) {
  uint64_t hash = 1469598103934665603ull;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  return hash;
}

// A path on one line: "%" and line breaks are written as %25, %0A and %0D.
std::string EscapeLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '%') out += "%25";
    else if (c == '\n') out += "%0A";
    else if (c == '\r') out += "%0D";
    else out += c;
  }
  return out;
}

std::string UnescapeLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      std::string code = text.substr(i + 1, 2);
      if (code == "25") out += '%';
      else if (code == "0A") out += '\n';
      else if (code == "0D") out += '\r';
      else out += text.substr(i, 3);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string SystemError() {
  return std::strerror(errno);
}

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// "<instance>-<slot>.recovery" -> "<instance>"; empty for names of any other form.
std::string InstanceOf(const std::string& name) {
  if (!EndsWith(name, kCopyEnding)) return {};
  std::string stem = name.substr(0, name.size() - std::strlen(kCopyEnding));
  size_t dash = stem.rfind('-');
  if (dash == std::string::npos || dash == 0 || dash + 1 == stem.size()) return {};
  return stem.substr(0, dash);
}

bool ParseNumber(const std::string& text, int64_t& value) {
  if (text.empty() || text.size() > 19) return false;
  int64_t result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    result = result * 10 + (c - '0');
  }
  value = result;
  return true;
}

}  // namespace

bool IsNewerThanItsFile(const RecoveryCopy& copy) {
  struct stat info {};
  if (copy.projectPath.empty() || ::stat(copy.projectPath.c_str(), &info) != 0) return true;
  return copy.changed >= info.st_mtime;
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)) {
  std::random_device random;
  char name[48];
  std::snprintf(name, sizeof name, "p%ld_%08x", static_cast<long>(getpid()), random());
  instance_ = name;
}

RecoveryStore::~RecoveryStore() {
  {
    std::unique_lock lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (writer_.joinable()) writer_.join();
  EndClaims();
  if (lockFd_ >= 0) {
    // Copies still here are a later start's to offer; the lock file goes with the last of them.
    std::error_code ignored;
    bool copiesLeft = false;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored)) {
      if (InstanceOf(entry.path().filename().string()) == instance_) copiesLeft = true;
    }
    if (!copiesLeft) ::unlink((folder_ + "/" + instance_ + kLockEnding).c_str());
    ::close(lockFd_);
  }
}

std::string RecoveryStore::DefaultFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state && state[0] == '/') return std::string(state) + "/lumora/recovery";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.local/state/lumora/recovery";
  return {};
}

bool RecoveryStore::Start(std::string* error) {
  if (lockFd_ >= 0) return true;
  std::error_code code;
  if (folder_.empty()) {
    if (error)
      *error = translate("Core", "no folder for recovery copies (neither XDG_STATE_HOME nor HOME is set)");
    return false;
  }
  std::filesystem::create_directories(folder_, code);
  if (code) {
    if (error) *error = folder_ + ": " + code.message();
    return false;
  }
  std::string lockFile = folder_ + "/" + instance_ + kLockEnding;
  int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (error) *error = lockFile + ": " + SystemError();
    if (fd >= 0) ::close(fd);
    return false;
  }
  lockFd_ = fd;
  writer_ = std::thread([this] { WriterLoop(); });
  return true;
}

int RecoveryStore::NewSlot() {
  std::lock_guard lock(mutex_);
  return nextSlot_++;
}

std::string RecoveryStore::SlotFile(int slot) const {
  return folder_ + "/" + instance_ + "-" + std::to_string(slot) + kCopyEnding;
}

void RecoveryStore::Keep(int slot, const std::string& projectPath, int64_t changed, std::string project) {
  if (lockFd_ < 0) return;
  std::string text = CopyText(projectPath, changed, project);
  {
    std::lock_guard lock(mutex_);
    pending_[slot].text = std::move(text);
  }
  wake_.notify_all();
}

void RecoveryStore::Remove(int slot) {
  if (lockFd_ < 0) return;
  {
    std::lock_guard lock(mutex_);
    pending_[slot].text.reset();
  }
  wake_.notify_all();
}

void RecoveryStore::Flush() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return pending_.empty() && !writing_; });
}

std::string RecoveryStore::TakeWriteError() {
  std::lock_guard lock(mutex_);
  return std::exchange(writeError_, std::string());
}

void RecoveryStore::WriterLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
    if (pending_.empty()) {
      if (stopping_) return;
      continue;
    }
    auto [slot, job] = *pending_.begin();
    pending_.erase(pending_.begin());
    writing_ = true;
    lock.unlock();
    std::string file = SlotFile(slot);
    std::string error;
    bool ok = true;
    if (job.text) {
      ok = WriteFileAtomically(file, *job.text, &error);
    } else if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
      ok = false;
      error = SystemError();
    }
    lock.lock();
    writing_ = false;
    if (!ok) writeError_ = file + ": " + error;
    if (pending_.empty()) idle_.notify_all();
  }
}

std::string RecoveryStore::CopyText(const std::string& projectPath, int64_t changed, const std::string& project) {
  char checksum[24];
  std::snprintf(checksum, sizeof checksum, "%016llx", static_cast<unsigned long long>(Checksum(project)));
  std::string text = kFirstLine;
  text += "\npath=" + EscapeLine(projectPath);
  text += "\nchanged=" + std::to_string(changed);
  text += "\nsize=" + std::to_string(project.size());
  text += std::string("\nchecksum=") + checksum + "\n\n";
  return text + project;
}

RecoveryCopy RecoveryStore::ParseCopy(const std::string& file, const std::string& text, std::string* project) {
  RecoveryCopy copy;
  copy.file = file;
  size_t end = text.find("\n\n");
  size_t lineStart = 0;
  std::map<std::string, std::string> fields;
  bool firstLine = true;
  bool headerOk = end != std::string::npos;
  while (headerOk && lineStart < end) {
    size_t lineEnd = std::min(text.find('\n', lineStart), end);
    std::string line = text.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    if (firstLine) {
      headerOk = line == kFirstLine;
      firstLine = false;
      continue;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos) {
      headerOk = false;
      break;
    }
    fields[line.substr(0, equals)] = line.substr(equals + 1);
  }
  int64_t size = -1;
  headerOk = headerOk && ParseNumber(fields["changed"], copy.changed) && ParseNumber(fields["size"], size);
  if (!headerOk) {
    copy.problem = translate("Core", "not a recovery copy, or a damaged one");
    return copy;
  }
  copy.projectPath = UnescapeLine(fields["path"]);
  std::string body = text.substr(end + 2);
  char checksum[24];
  std::snprintf(checksum, sizeof checksum, "%016llx", static_cast<unsigned long long>(Checksum(body)));
  if (static_cast<int64_t>(body.size()) != size || fields["checksum"] != checksum) {
    copy.problem = translate("Core", "the copy is incomplete or damaged");
    return copy;
  }
  if (project) *project = std::move(body);
  return copy;
}

std::vector<RecoveryCopy> RecoveryStore::ClaimAbandoned() {
  std::vector<RecoveryCopy> copies;
  std::error_code code;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, code)) {
    if (entry.is_regular_file(code)) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    std::string instance = InstanceOf(name);
    if (instance.empty() || instance == instance_) continue;
    if (!claimed_.count(instance)) {
      std::string lockFile = folder_ + "/" + instance + kLockEnding;
      int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
      if (fd < 0) continue;
      if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);  // that program still runs, or another has claimed its copies
        continue;
      }
      claimed_[instance] = fd;
    }
    std::string file = folder_ + "/" + name;
    std::string text;
    std::string error;
    RecoveryCopy copy;
    if (!ReadWholeFile(file, text, &error)) {
      if (!std::filesystem::exists(file, code)) continue;  // gone meanwhile
      copy.file = file;
      copy.problem = error;
    } else {
      copy = ParseCopy(file, text, nullptr);
    }
    if (copy.changed == 0) {
      struct stat info {};
      if (::stat(file.c_str(), &info) == 0) copy.changed = info.st_mtime;
    }
    copies.push_back(std::move(copy));
  }
  std::stable_sort(copies.begin(), copies.end(),
                   [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.changed > b.changed; });
  return copies;
}

bool RecoveryStore::ReadProject(const RecoveryCopy& copy, std::string& project, std::string* error) {
  std::string text;
  std::string reason;
  if (!ReadWholeFile(copy.file, text, &reason)) {
    if (error) *error = reason;
    return false;
  }
  RecoveryCopy read = ParseCopy(copy.file, text, &project);
  if (!read.problem.empty()) {
    if (error) *error = read.problem;
    return false;
  }
  return true;
}

bool RecoveryStore::Discard(const RecoveryCopy& copy, std::string* error) {
  if (::unlink(copy.file.c_str()) != 0 && errno != ENOENT) {
    if (error) *error = copy.file + ": " + SystemError();
    return false;
  }
  return true;
}

bool RecoveryStore::SetAside(const RecoveryCopy& copy, std::string* where, std::string* error) {
  std::string damaged = folder_ + "/damaged";
  std::error_code code;
  std::filesystem::create_directories(damaged, code);
  std::string target = damaged + "/" + FileNamePart(copy.file);
  // Never over an earlier one set aside under the same name.
  for (int n = 2; std::filesystem::exists(target, code); ++n)
    target = damaged + "/" + FileNamePart(copy.file) + "." + std::to_string(n);
  if (code || ::rename(copy.file.c_str(), target.c_str()) != 0) {
    if (error) *error = copy.file + ": " + (code ? code.message() : SystemError());
    return false;
  }
  if (where) *where = target;
  return true;
}

void RecoveryStore::EndClaims() {
  while (!claimed_.empty()) ReleaseInstance(claimed_.begin()->first);
}

void RecoveryStore::ReleaseInstance(const std::string& instance) {
  auto found = claimed_.find(instance);
  if (found == claimed_.end()) return;
  std::error_code code;
  bool copiesLeft = false;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, code)) {
    if (InstanceOf(entry.path().filename().string()) == instance) copiesLeft = true;
  }
  // The lock file is removed while still held, so no one takes it up in between.
  if (!copiesLeft) ::unlink((folder_ + "/" + instance + kLockEnding).c_str());
  ::close(found->second);
  claimed_.erase(found);
}

}  // namespace lumora
