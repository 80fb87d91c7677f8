// lumora check | save-as | show

#include <cstdio>

#include "cli/cli_session.h"
#include "model/editing_rules.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/project_summary.h"
#include "transfer/operations.h"

namespace lumora::cli {

bool IsFileCommand(const std::string& command) {
  return command == "check" || command == "save-as" || command == "show";
}

int RunFileCommand(Session& session) {
  const Arguments& args = session.Args();
  size_t wanted = args.command == "save-as" ? 2 : 1;
  if (args.positional.size() != wanted) {
    PrintUsage(args.command);
    return kExitUsage;
  }
  TQMProject project;
  if (!session.OpenProject(args.positional[0], project)) return kExitFailed;

  if (args.command == "show") {
    std::string summary = SummarizeProject(project);
    std::fwrite(summary.data(), 1, summary.size(), stdout);
    return kExitOk;
  }
  if (args.command == "save-as") {
    std::string error;
    if (!SaveProjectFile(project, args.positional[1], &error)) {
      std::fprintf(stderr, "%s: %s\n", args.positional[1].c_str(), error.c_str());
      return kExitFailed;
    }
    return kExitOk;
  }
  // check: the file loads, its PLC library is installed and every address is valid for it.
  if (!session.PrepareAddresses(project)) return kExitFailed;
  // The rules every editor keeps: a project that breaks them loads, but is never written to a panel.
  std::vector<ProjectProblem> problems = ValidateProject(project, PlcAddressSizeOf(project, session.Ui()));
  if (!problems.empty()) {
    for (const ProjectProblem& problem : problems)
      std::fprintf(stderr, "%s\n", problem.Line().c_str());
    return kExitFailed;
  }
  size_t messages = 0;
  int addresses = 0;
  for (const auto& panel : project.panels) {
    messages += panel->messages.size();
    addresses += panel->AddressCount();
  }
  std::printf("%s: %zu panel(s), %zu message(s), %d PLC address(es), PLC %s\n", args.positional[0].c_str(),
              project.PanelCount(), messages, addresses, project.plcSettings.plcName.c_str());
  return kExitOk;
}

}  // namespace lumora::cli
