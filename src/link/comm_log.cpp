#include "link/comm_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "model/file_io.h"

namespace lumora {
namespace {

struct CommLog {
  std::mutex mutex;
  FILE* file = nullptr;
  std::string finalPath;    // renamed onto when the log closes; empty when written directly
  std::string writtenPath;  // the file the lines go to
  int writeError = 0;       // the first failure of a write, kept until the log closes
  int column = 0;           // byte values already on the current line; not reset by opening a log
};

CommLog& Log() {
  static CommLog log;
  return log;
}

// Every write goes through here, so that the first failure is remembered for the close.
void Written(CommLog& log, int result) {
  if (result < 0 && log.writeError == 0) log.writeError = errno != 0 ? errno : EIO;
}

void EndLine(CommLog& log) {
  if (log.column != 0) {
    Written(log, std::fputc('\n', log.file));
    log.column = 0;
  }
}

int OpenForLog(const std::string& path, int extraFlags) {
  // Opening without blocking: a FIFO nobody reads fails at once (ENXIO) instead of holding the transfer.
  int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | extraFlags;
  int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return -1;
  int mode = ::fcntl(fd, F_GETFL);
  if (mode >= 0) (void)::fcntl(fd, F_SETFL, mode & ~O_NONBLOCK);
  return fd;
}

// Ends the open log; false with errno when a part of it was lost.
bool CloseLocked(CommLog& log, std::string* error, bool* partialKept) {
  if (!log.file) return true;
  if (partialKept) *partialKept = !log.finalPath.empty();
  int failure = log.writeError;
  if (std::fflush(log.file) != 0 && failure == 0) failure = errno != 0 ? errno : EIO;
  if (failure == 0 && !log.finalPath.empty() && ::fsync(::fileno(log.file)) != 0) failure = errno;
  if (std::fclose(log.file) != 0 && failure == 0) failure = errno != 0 ? errno : EIO;
  log.file = nullptr;
  if (failure == 0 && !log.finalPath.empty() && ::rename(log.writtenPath.c_str(), log.finalPath.c_str()) != 0)
    failure = errno;
  log.finalPath.clear();
  log.writtenPath.clear();
  log.writeError = 0;
  if (failure == 0) return true;
  if (error) *error = std::strerror(failure);
  return false;
}

}  // namespace

bool OpenCommLog(const std::string& path) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  CloseLocked(log, nullptr, nullptr);
  // A file its owner made read-only is not overwritten, even by a user who could.
  struct stat existing {};
  bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISREG(existing.st_mode) && (existing.st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return false;
  }
  if (exists && S_ISDIR(existing.st_mode)) {
    errno = EISDIR;
    return false;
  }
  if (exists && S_ISREG(existing.st_mode) && ::access(path.c_str(), W_OK) != 0) return false;
  int fd = -1;
  if (!exists || S_ISREG(existing.st_mode)) {
    // Written beside the log under a name that says what it is, renamed over the log when whole. A log named
    // through a symbolic link replaces the link's target, not the link. A partial file left by an earlier
    // run is ours to replace; whatever stands under that name is removed first, never written through.
    std::string finalPath = FinalLinkTarget(path);
    std::string partial = finalPath + ".partial";
    ::unlink(partial.c_str());
    fd = OpenForLog(partial, O_EXCL | O_NOFOLLOW);
    if (fd >= 0) {
      if (exists) (void)::fchmod(fd, existing.st_mode & 07777);  // a replaced log keeps its permissions
      log.finalPath = finalPath;
      log.writtenPath = partial;
    } else if (!exists || (errno != EACCES && errno != EROFS && errno != EPERM)) {
      return false;
    }
    // A folder that takes no new file but a log that may be written: written in place, as it goes.
  }
  if (fd < 0) {
    fd = OpenForLog(path, exists && S_ISREG(existing.st_mode) ? O_TRUNC : 0);
    if (fd < 0) return false;
    log.writtenPath = path;
  }
  log.file = ::fdopen(fd, "w");
  if (!log.file) {
    int code = errno;
    ::close(fd);
    if (!log.finalPath.empty()) ::unlink(log.writtenPath.c_str());
    log.finalPath.clear();
    log.writtenPath.clear();
    errno = code;
    return false;
  }
  // A line at a time: a transfer killed halfway leaves its log up to the last whole line.
  std::setvbuf(log.file, nullptr, _IOLBF, 0);
  log.writeError = 0;
  return true;
}

bool CloseCommLog(std::string* error, bool* partialKept) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  return CloseLocked(log, error, partialKept);
}

bool CommLogIsOpen() {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  return log.file != nullptr;
}

void CommLogNote(const std::string& text) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (!log.file) return;
  EndLine(log);
  Written(log, std::fprintf(log.file, "-- %s\n", text.c_str()));
}

void CommLogHeader(const char* header) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (!log.file) return;
  EndLine(log);
  Written(log, std::fputs(header, log.file));
}

void CommLogByte(uint8_t byte) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (!log.file) return;
  Written(log, std::fprintf(log.file, "%02x%c", byte, log.column == 39 ? '\n' : ' '));
  log.column = (log.column + 1) % 40;
}

}  // namespace lumora
