#include "transfer/panel_history.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>

#include "model/file_io.h"
#include "model/project.h"
#include "model/text_lines.h"
#include "model/translation.h"
#include "transfer/sha256.h"

namespace lumora {
namespace {

constexpr const char* kIndexHeader = "lumora panel history 1";
constexpr size_t kFieldCount = 9;

// The characters an index field writes as a backslash and a letter, and those letters.
constexpr std::string_view kEscaped = "\\\t\n\r";
constexpr std::string_view kEscapeLetters = "\\tnr";

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    size_t k = kEscaped.find(c);
    if (k != std::string_view::npos) out += '\\';
    out += k == std::string_view::npos ? c : kEscapeLetters[k];
  }
  return out;
}

bool Unescaped(std::string_view text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    size_t k = ++i < text.size() ? kEscapeLetters.find(text[i]) : std::string_view::npos;
    if (k == std::string_view::npos) return false;
    out += kEscaped[k];
  }
  return true;
}

bool WholeNumber(const std::string& text, int64_t& value) {
  if (text.empty() || text.size() > 18) return false;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  value = std::stoll(text);
  return true;
}


bool IsProjectId(const std::string& text) {
  return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// One index line as an entry; why not otherwise.
bool ParseLine(std::string_view line, PanelHistoryEntry& entry, std::string& why) {
  std::vector<std::string> fields;
  for (size_t start = 0;;) {
    size_t tab = line.find('\t', start);
    std::string field;
    if (!Unescaped(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start),
                   field)) {
      why = translate("Core", "a field has a broken escape");
      return false;
    }
    fields.push_back(std::move(field));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (fields.size() != kFieldCount) {
    why = FillPlaceholders(translate("Core", "%1 fields instead of %2"),
               {std::to_string(fields.size()), std::to_string(kFieldCount)});
    return false;
  }
  int64_t number = 0;
  if (!WholeNumber(fields[0], number) || number < 1 || number > 1'000'000'000 ||
      !WholeNumber(fields[1], entry.time)) {
    why = translate("Core", "the number or the time is not a whole number");
    return false;
  }
  entry.number = static_cast<int>(number);
  entry.operation = fields[2];
  if (entry.operation != "write" && entry.operation != "read" && entry.operation != kBeforeWriteOperation) {
    why = FillPlaceholders(translate("Core", "unknown operation \"%1\""), {entry.operation});
    return false;
  }
  entry.target = fields[3];
  entry.port = fields[4];
  entry.model = fields[5];
  entry.firmware = fields[6];
  entry.projectName = fields[7];
  entry.projectId = fields[8];
  if (!IsProjectId(entry.projectId)) {
    why = translate("Core", "the project id is not a SHA-256 digest");
    return false;
  }
  return true;
}

std::string IndexText(const std::vector<PanelHistoryEntry>& oldestFirst) {
  std::string text = std::string(kIndexHeader) + "\n";
  for (const PanelHistoryEntry& e : oldestFirst) {
    for (const std::string& field : {std::to_string(e.number), std::to_string(e.time), e.operation, e.target,
                                     e.port, e.model, e.firmware, e.projectName}) {
      text += Escaped(field) + "\t";
    }
    text += e.projectId + "\n";
  }
  return text;
}

std::string DamagedText(const std::string& path, const std::string& why) {
  return FillPlaceholders(translate("Core", "The panel history's index %1 is damaged: %2"), {path, why});
}

enum class IndexState { Missing, Read, Unreadable, Damaged };

// The index, oldest entry first.
IndexState ReadIndex(const std::string& path, std::vector<PanelHistoryEntry>& entries, std::string& error) {
  entries.clear();
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT) return IndexState::Missing;
  std::string text;
  std::string reason;
  if (!ReadWholeFile(path, text, &reason)) {
    error = FillPlaceholders(translate("Core", "The panel history's index %1 cannot be read: %2"), {path, reason});
    return IndexState::Unreadable;
  }
  size_t end = text.find('\n');
  if (end == std::string::npos || text.compare(0, end, kIndexHeader) != 0) {
    error = DamagedText(path, FillPlaceholders(translate("Core", "it does not begin with \"%1\""), {kIndexHeader}));
    return IndexState::Damaged;
  }
  int lineNumber = 1;
  for (size_t start = end + 1; start < text.size(); start = end + 1) {
    ++lineNumber;
    end = text.find('\n', start);
    if (end == std::string::npos) {
      error = DamagedText(path, FillPlaceholders(translate("Core", "line %1 is cut off"), {std::to_string(lineNumber)}));
      return IndexState::Damaged;
    }
    PanelHistoryEntry entry;
    std::string why;
    if (!ParseLine(std::string_view(text).substr(start, end - start), entry, why)) {
      error = DamagedText(path, FillPlaceholders(translate("Core", "line %1: %2"), {std::to_string(lineNumber), why}));
      return IndexState::Damaged;
    }
    if (!entries.empty() && entry.number <= entries.back().number) {
      error = DamagedText(path, FillPlaceholders(translate("Core", "line %1: the numbers are out of order"),
                                     {std::to_string(lineNumber)}));
      return IndexState::Damaged;
    }
    entries.push_back(std::move(entry));
  }
  return IndexState::Read;
}

// Holds the index's lock (flock on a file of its own, as the index itself is replaced by renames).
class IndexLock {
 public:
  explicit IndexLock(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      error_ = std::strerror(errno);
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      error_ = std::strerror(errno);
      ::close(fd_);
      fd_ = -1;
      return;
    }
  }
  ~IndexLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  IndexLock(const IndexLock&) = delete;
  IndexLock& operator=(const IndexLock&) = delete;
  bool Held() const { return fd_ >= 0; }
  const std::string& Error() const { return error_; }

 private:
  int fd_ = -1;
  std::string error_;
};

// The damaged index renamed beside itself: "index.txt.damaged-20240501-140359" (a number added when taken).
bool SetAside(const std::string& path, std::string& aside, std::string& error) {
  char stamp[32];
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  for (int attempt = 0; attempt < 100; ++attempt) {
    aside = path + ".damaged-" + stamp + (attempt ? "-" + std::to_string(attempt) : "");
    struct stat info {};
    if (::lstat(aside.c_str(), &info) == 0) continue;
    if (::rename(path.c_str(), aside.c_str()) == 0) return true;
    error = std::strerror(errno);
    return false;
  }
  error = translate("Core", "too many damaged indexes beside it");
  return false;
}

}  // namespace

std::string DefaultHistoryFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return std::string(data) + "/lumora/history";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.local/share/lumora/history";
  return "";
}

std::string HistoryTimeText(int64_t time) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string HistoryIsoTime(int64_t time) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm local{};
  localtime_r(&t, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  std::string iso = text;
  // %z writes +0200; ISO 8601's extended form has the colon.
  if (iso.size() >= 5) iso.insert(iso.size() - 2, ":");
  return iso;
}

bool MatchesHistoryFilter(const PanelHistoryEntry& entry, std::string_view projectName,
                          std::string_view model) {
  auto contains = [](const std::string& text, std::string_view part) {
    return part.empty() ||
           std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) ==
                    std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
  };
  return contains(entry.projectName, projectName) && contains(entry.model, model);
}

bool PanelHistory::Load(std::vector<PanelHistoryEntry>& entries, std::string* error) const {
  std::string reason;
  IndexState state = ReadIndex(IndexPath(), entries, reason);
  if (state == IndexState::Unreadable || state == IndexState::Damaged) {
    entries.clear();
    if (error) *error = reason;
    return false;
  }
  std::reverse(entries.begin(), entries.end());
  return true;
}

bool PanelHistory::ReadProject(const PanelHistoryEntry& entry, std::string& text, std::string* error) const {
  std::string path = ProjectPath(entry.projectId);
  std::string reason;
  std::string contents;
  if (!ReadWholeFile(path, contents, &reason)) {
    if (error)
      *error = FillPlaceholders(translate("Core", "The project of history entry %1 cannot be read: %2: %3"),
                    {std::to_string(entry.number), path, reason});
    return false;
  }
  if (Sha256Hex(contents) != entry.projectId) {
    if (error)
      *error = FillPlaceholders(translate("Core",
                              "The project of history entry %1 is damaged: %2 no longer holds the project "
                              "it was kept as"),
                    {std::to_string(entry.number), path});
    return false;
  }
  text = std::move(contents);
  return true;
}

bool PanelHistory::LoadProject(const PanelHistoryEntry& entry, TQMProject& project,
                               std::string* error) const {
  std::string text;
  if (!ReadProject(entry, text, error)) return false;
  LineReader reader(text);
  std::string reason;
  if (project.Load(reader, &reason)) return true;
  if (error)
    *error = FillPlaceholders(translate("Core", "The project of history entry %1 cannot be loaded: %2"),
                  {std::to_string(entry.number), reason});
  return false;
}

bool PanelHistory::Add(PanelHistoryEntry entry, const std::string& projectText, int limit,
                       std::vector<std::string>& warnings) {
  const std::string what = entry.operation == kBeforeWriteOperation
                               ? translate("Core", "the unit's project from before the write")
                               : translate("Core", "this transfer");
  auto fail = [&warnings, &what](const std::string& reason) {
    warnings.push_back(FillPlaceholders(translate("Core", "The panel history could not keep %1: %2"), {what, reason}));
    return false;
  };
  if (folder_.empty())
    return fail(translate("Core", "no folder for it is known (neither XDG_DATA_HOME nor HOME is set)"));
  std::error_code made;
  std::filesystem::create_directories(folder_ + "/projects", made);
  if (made) return fail(folder_ + "/projects: " + made.message());
  IndexLock lock(folder_ + "/index.lock");
  if (!lock.Held()) return fail(folder_ + "/index.lock: " + lock.Error());

  std::vector<PanelHistoryEntry> entries;
  std::string reason;
  IndexState state = ReadIndex(IndexPath(), entries, reason);
  if (state == IndexState::Unreadable) return fail(reason);
  if (state == IndexState::Damaged) {
    std::string aside;
    std::string error;
    if (!SetAside(IndexPath(), aside, error))
      return fail(FillPlaceholders(translate("Core", "%1; it could not be set aside: %2"), {reason, error}));
    warnings.push_back(
        FillPlaceholders(translate("Core", "%1. It was kept as %2 and a new index begun."), {reason, aside}));
    entries.clear();
  }

  // The project first: an index line never names a project that is not there.
  entry.projectId = Sha256Hex(projectText);
  std::string projectPath = ProjectPath(entry.projectId);
  std::string stored;
  if (!ReadWholeFile(projectPath, stored) || stored != projectText) {
    std::string error;
    if (!WriteFileAtomically(projectPath, projectText, &error)) return fail(projectPath + ": " + error);
  }
  entry.number = entries.empty() ? 1 : entries.back().number + 1;
  if (entry.time == 0) entry.time = static_cast<int64_t>(std::time(nullptr));
  entries.push_back(std::move(entry));

  size_t keep = static_cast<size_t>(std::max(limit, 1));
  std::vector<PanelHistoryEntry> dropped;
  if (entries.size() > keep) {
    auto firstKept = entries.end() - static_cast<std::ptrdiff_t>(keep);
    dropped.assign(entries.begin(), firstKept);
    entries.erase(entries.begin(), firstKept);
  }
  std::string error;
  if (!WriteFileAtomically(IndexPath(), IndexText(entries), &error)) return fail(IndexPath() + ": " + error);

  // Only a dropped entry's project can have lost its last reference.
  std::set<std::string> referenced;
  for (const PanelHistoryEntry& kept : entries)
    referenced.insert(kept.projectId);
  for (const PanelHistoryEntry& old : dropped) {
    if (referenced.insert(old.projectId).second) ::unlink(ProjectPath(old.projectId).c_str());
  }
  return true;
}

}  // namespace lumora
