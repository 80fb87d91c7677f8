#include "link/comm_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>

namespace lumora {
namespace {

struct CommLog {
  std::mutex mutex;
  FILE* file = nullptr;
  int column = 0;  // byte values already on the current line; not reset by opening a log
};

CommLog& Log() {
  static CommLog log;
  return log;
}

void EndLine(CommLog& log) {
  if (log.column != 0) {
    std::fputc('\n', log.file);
    log.column = 0;
  }
}

}  // namespace

void OpenCommLog(const std::string& path) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (log.file) std::fclose(log.file);
  log.file = nullptr;
  // The log is written as the exchange goes, so that a transfer that hangs or is killed still leaves it.
  // Opening without blocking: a FIFO nobody reads fails at once (ENXIO) instead of holding the transfer.
  // A file its owner made read-only is not overwritten, even by a user who could.
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) && (existing.st_mode & S_IWUSR) == 0) {
    errno = EACCES;
    return;
  }
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return;
  int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  log.file = ::fdopen(fd, "w");
  if (!log.file) {
    int code = errno;
    ::close(fd);
    errno = code;
  }
}

void CloseCommLog() {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (log.file) std::fclose(log.file);
  log.file = nullptr;
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
  std::fprintf(log.file, "-- %s\n", text.c_str());
}

void CommLogHeader(const char* header) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (!log.file) return;
  EndLine(log);
  std::fputs(header, log.file);
}

void CommLogByte(uint8_t byte) {
  CommLog& log = Log();
  std::lock_guard lock(log.mutex);
  if (!log.file) return;
  std::fprintf(log.file, "%02x%c", byte, log.column == 39 ? '\n' : ' ');
  log.column = (log.column + 1) % 40;
}

}  // namespace lumora
