#pragma once
// What every `lumora` command shares: its arguments, the console, the settings, the PLC catalogue.

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/console_interaction.h"
#include "plc/installed_plc_environment.h"
#include "shell/app_settings.h"

namespace lumora {
class TQMPanel;
class TQMProject;
}  // namespace lumora

namespace lumora::cli {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Where Arguments keeps the multiplexer port that export, import, addresses, report and diff take as their
// own --port N; "--port" itself is always the serial port.
inline constexpr const char* kPanelPortOption = "--port N";

struct Arguments {
  std::string command;
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
  bool HasValue(const std::string& option) const { return values.count(option) != 0; }
  std::string Value(const std::string& option) const {
    auto it = values.find(option);
    return it == values.end() ? std::string() : it->second;
  }
};

// Parses the command line. Returns the exit code when the run ends here (help, usage error), else nothing.
std::optional<int> ParseArguments(int argc, char** argv, Arguments& arguments);
// The version line of `--version`, loaded as a session loads it.
std::string LoadVersion(const Arguments& arguments);
// Refuses (usage error, with a line saying why) a file the command would write that is also one of its
// inputs or another of its outputs: a report over its project, a log over the project it writes.
bool CheckCommandFiles(const Arguments& arguments);

class Session {
 public:
  explicit Session(const Arguments& arguments);

  ConsoleInteraction& Ui() { return ui_; }
  const MachineSettings& Machine() const { return machine_; }
  const PlcCatalogue& Catalogue() const { return catalogue_; }
  PlcEnvironment& Plc() { return *environment_; }
  const std::string& Version() const { return version_; }
  const Arguments& Args() const { return arguments_; }

  // Opens a project file as the document does (Z002 on failure; the tag-map check of a linked project).
  bool OpenProject(const std::string& path, TQMProject& project);
  // Loads the project's PLC library and encodes its addresses again; false when the library is missing.
  bool PrepareAddresses(TQMProject& project);

 private:
  Arguments arguments_;
  ConsoleInteraction ui_;
  MachineSettings machine_;
  PlcCatalogue catalogue_;
  std::unique_ptr<InstalledPlcEnvironment> environment_;
  std::string version_;
};

// The port 1..5 an option names, or `selected` when it is not given; -1 after a usage error was printed.
int ChosenPort(const Arguments& arguments, const char* option, int selected);
// The panel port of the command's --port N (default: the project's selected port): 1 for a single-panel
// project, where any other port is a usage error; -1 after a usage error was printed.
int ChosenPanelPort(const Arguments& arguments, const TQMProject& project);

// Saves a changed project to -o OUT, or over its own file (`file`, default: the first argument); `out`
// names where.
bool SaveResult(Session& session, TQMProject& project, std::string& out, const std::string& file = "");

int RunFileCommand(Session& session);
int RunPanelCommand(Session& session);
bool IsPanelCommand(const std::string& command);
int RunPlcCommand(Session& session);
int RunMessageCommand(Session& session);
bool IsMessageCommand(const std::string& command);
bool IsPlcCommand(const std::string& command);
int RunTransferCommand(Session& session);
bool IsReportCommand(const std::string& command);
int RunReportCommand(Session& session);
// The printed address list of `addresses --pdf FILE`.
int WriteAddressesPdf(Session& session, TQMProject& project, const TQMPanel& panel);
bool IsFileCommand(const std::string& command);
bool IsHistoryCommand(const std::string& command);
int RunHistoryCommand(Session& session);
bool IsTransferCommand(const std::string& command);
void PrintUsage(const std::string& command);

}  // namespace lumora::cli
