#pragma once
// The user operations that the desktop program and the command-line tool share, written once: what is
// checked before a write or a verify, the communication log of an operation with its version line, the
// link speed, and which project a read leaves behind.

#include <optional>
#include <string>
#include <vector>

#include "model/editing_rules.h"
#include "transfer/transfer_context.h"

namespace lumora {

class Interaction;
class TQMProject;
struct CoreServices;

// 38400 bit/s for a multiplexer system (and the multiplexer's firmware), 9600 otherwise.
int LinkSpeedFor(const TQMProject& project, bool multiplexerFirmware = false);
void ApplyLinkSpeed(const TQMProject& project, bool multiplexerFirmware = false);
// The speed of a system kind before a project says so: at start, and when the user switches between a
// single panel and a multiplexer system.
void ApplySystemLinkSpeed(bool multiplexerSystem);

// The communication log for the length of one operation. An empty path keeps no log. `versionLine`
// writes "-- Program version: <version>" first. A log that could not be written whole is reported through
// `ui` when the scope ends (the old log is then still there; see OpenCommLog).
class CommLogScope {
 public:
  CommLogScope(const std::string& path, const std::string& version, bool versionLine, Interaction& ui);
  ~CommLogScope();
  CommLogScope(const CommLogScope&) = delete;
  CommLogScope& operator=(const CommLogScope&) = delete;
  // False when a path was given and the log could not be opened; `Error()` then says why.
  bool Opened() const { return opened_ || path_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  std::string path_;
  Interaction& ui_;
  bool opened_ = false;
  std::string error_;
};

// Whether the multiplexer port has a panel a write can send.
bool HasPanelToWrite(const TQMProject& project, int port);
// Why a write of a multi-panel project to `target` (none chosen, a panel, the multiplexer or the whole
// project) would write nothing, e.g. "Port 3 has no panel in this project: nothing was written."; nothing
// when it writes something, and always nothing for a single-panel project.
std::optional<std::string> NothingToWriteText(const TQMProject& project, TransferTarget target);

// What keeps a project from being written.
struct WriteCheck {
  enum class Verdict { Ok, Incomplete, Invalid };
  Verdict verdict = Verdict::Ok;
  // Incomplete: the missing items of a panel without local messages (empty for a multiplexer project
  // without panels), as the "Incomplete data" box lists them.
  std::vector<std::string> missingItems;
  // Invalid: every rule the project breaks.
  std::vector<ProjectProblem> problems;
  bool Ok() const { return verdict == Verdict::Ok; }
};
// The encoded address size of the project's loaded PLC library; 0 when none is loaded.
int PlcAddressSizeOf(const TQMProject& project, Interaction& interaction);
// `plcAddressSize` is the loaded PLC library's encoded address size (0 when unknown).
WriteCheck CheckBeforeWrite(const TQMProject& project, int plcAddressSize);
// The "Incomplete data" text: "Panel program can not be uploaded as it has incomplete data. " and the
// missing items, one per line.
std::string IncompleteDataText(const std::vector<std::string>& missingItems);
// The refusal of a project that breaks the editing rules: a first line, then one line per problem.
std::string InvalidProjectText(const std::vector<ProjectProblem>& problems);

// A fresh project to read into: one QM210 record, as the read expects.
void PrepareReadTarget(TQMProject& project, const CoreServices& services);
// Whether a successful read replaces the open project: only when it differs. The read project then
// takes the selected port 1 and the open project's file name.
bool AdoptReadProject(const TQMProject& current, TQMProject& read);

}  // namespace lumora
