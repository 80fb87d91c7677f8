#pragma once
// PanelHistory: the projects each successful write gave a unit and each successful read found in one, kept
// per user with when, where and to which unit. A folder holds `index.txt` (one line per entry, oldest first)
// and `projects/<SHA-256>.lmx`, the project file bytes, so an identical project is kept once. Processes that
// add entries at the same time take turns on `index.lock`; a damaged index is set aside, never overwritten.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class TQMProject;

inline constexpr int kDefaultHistoryLimit = 500;
// The operation of an entry that keeps what a unit held just before a write overwrote it.
inline constexpr const char* kBeforeWriteOperation = "before write";

// Where an exchange keeps its write or read; an empty folder keeps nothing.
struct HistoryOptions {
  std::string folder;
  int limit = kDefaultHistoryLimit;
  // The project's file name as the entry shows it.
  std::string projectName;
};

struct PanelHistoryEntry {
  int number = 0;         // 1, 2, ... in the order the entries were added
  int64_t time = 0;       // seconds since the epoch
  std::string operation;  // "write", "read" or "before write"
  std::string target;     // "Panel", "Panel 1".."Panel 5", "Multiplexer", "Whole project"
  std::string port;
  std::string model;     // as the unit answered; empty when unknown
  std::string firmware;  // likewise
  std::string projectName;
  std::string projectId;  // SHA-256 of the stored bytes
};

// $XDG_DATA_HOME/lumora/history, else ~/.local/share/lumora/history; empty when neither is known.
std::string DefaultHistoryFolder();
// "2024-05-01 14:03:59" in local time, and ISO 8601 with the offset ("2024-05-01T14:03:59+02:00") for
// scripts.
std::string HistoryTimeText(int64_t time);
std::string HistoryIsoTime(int64_t time);
// Whether an entry's project file name and model contain the filters (case ignored; an empty filter passes).
bool MatchesHistoryFilter(const PanelHistoryEntry& entry, std::string_view projectName,
                          std::string_view model);

class PanelHistory {
 public:
  explicit PanelHistory(std::string folder) : folder_(std::move(folder)) {}

  const std::string& Folder() const { return folder_; }
  std::string IndexPath() const { return folder_ + "/index.txt"; }
  std::string ProjectPath(const std::string& projectId) const {
    return folder_ + "/projects/" + projectId + ".lmx";
  }

  // The entries, newest first; a history never kept is empty. False with the reason when the index cannot be
  // read or is damaged.
  bool Load(std::vector<PanelHistoryEntry>& entries, std::string* error = nullptr) const;
  // An entry's stored project, refused when it is missing or no longer matches its name.
  bool ReadProject(const PanelHistoryEntry& entry, std::string& text, std::string* error = nullptr) const;
  // The same, loaded into `project` (whose services are set).
  bool LoadProject(const PanelHistoryEntry& entry, TQMProject& project, std::string* error = nullptr) const;
  // Keeps `projectText` as a new entry (its number, project id and, when 0, its time are set here) and drops
  // the oldest entries beyond `limit` (at least 1), with the projects no entry refers to any more. False
  // when the entry could not be kept; `warnings` say what went wrong, also when it was kept after a damaged
  // index had to be set aside.
  bool Add(PanelHistoryEntry entry, const std::string& projectText, int limit,
           std::vector<std::string>& warnings);

 private:
  std::string folder_;
};

}  // namespace lumora
