#include "link/comm_log.h"

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
  log.file = std::fopen(path.c_str(), "w");
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
