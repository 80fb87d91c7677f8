// lumora check | save-as | show | diff

#include <cstdio>

#include "cli/cli_session.h"
#include "model/editing_rules.h"
#include "model/project.h"
#include "model/project_compare.h"
#include "model/project_file.h"
#include "model/project_summary.h"
#include "model/translation.h"
#include "plc/address_conversion.h"
#include "plc/plc_manager.h"
#include "transfer/operations.h"

namespace lumora::cli {

namespace {

// diff: 0 the same, 1 different, 2 when a file cannot be compared at all (so that 1 always means
// "different", as with diff(1)).
int Diff(Session& session) {
  const Arguments& args = session.Args();
  TQMProject first;
  TQMProject second;
  for (auto [path, project] : {std::pair{&args.positional[0], &first}, {&args.positional[1], &second}}) {
    if (!session.OpenProject(*path, *project)) return kExitUsage;
    // A file holds an address as its text; its PLC library encodes it, and the encodings are compared.
    if (!project->ReloadPlcLibrary(project->plcSettings.libraryName)) {
      std::fprintf(stderr, "%s: %s\n", path->c_str(), translate("Core", kP005Text).c_str());
      return kExitUsage;
    }
    TQMPlcManager manager(project->plcLibrary.get(), session.Ui());
    RevalidateAddresses(*project, manager);
  }
  std::vector<std::string> lines;
  int port = ChosenPort(args, kPanelPortOption, 0);
  if (port < 0) return kExitUsage;
  if (port == 0) {
    lines = DescribeDifferences(first, second, {"only in the first", "only in the second"});
  } else {
    const TQMPanel* a = first.FindPanel(port);
    const TQMPanel* b = second.FindPanel(port);
    if (!a && !b) {
      std::fprintf(stderr, "%s\n",
                   FillPlaceholders(translate("Cli", "lumora: neither project has a panel on port %1"),
                                    {std::to_string(port)})
                       .c_str());
      return kExitUsage;
    }
    if (a && b) {
      lines = DescribePanelDifferences(*a, *b);
    } else {
      const TQMPanel& only = a ? *a : *b;
      lines.push_back("Port " + std::to_string(port) + " (" + only.ModelText() + "): only in the " +
                      (a ? "first" : "second"));
    }
  }
  for (const std::string& line : lines)
    std::printf("%s\n", PrintableText(line).c_str());
  return lines.empty() ? kExitOk : kExitFailed;
}

}  // namespace

bool IsFileCommand(const std::string& command) {
  return command == "check" || command == "save-as" || command == "show" || command == "diff";
}

int RunFileCommand(Session& session) {
  const Arguments& args = session.Args();
  size_t wanted = args.command == "save-as" || args.command == "diff" ? 2 : 1;
  if (args.positional.size() != wanted) {
    PrintUsage(args.command);
    return kExitUsage;
  }
  if (args.command == "diff") return Diff(session);
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
