// lumora messages export | import: a panel's messages as a CSV table, out and back in.

#include <cstdio>
#include <string>

#include "cli/cli_session.h"
#include "model/file_io.h"
#include "model/message_csv.h"
#include "model/project.h"
#include "model/translation.h"
#include "plc/plc_address_check.h"
#include "plc/plc_manager.h"

namespace lumora::cli {
namespace {

TQMPanel* ChosenPanel(const Session& session, TQMProject& project, int& exitCode) {
  int port = ChosenPanelPort(session.Args(), project);
  if (port < 0) {
    exitCode = kExitUsage;
    return nullptr;
  }
  TQMPanel* panel = project.FindPanel(port);
  if (!panel) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "Port %1 has no panel"), {std::to_string(port)}).c_str());
    exitCode = kExitFailed;
  }
  return panel;
}

int Export(Session& session) {
  const Arguments& args = session.Args();
  if (!args.positional[2].empty()) {
    std::fprintf(
        stderr, "%s\n",
        translate("Cli", "lumora: messages export writes to -o OUT.csv or the standard output").c_str());
    return kExitUsage;
  }
  TQMProject project;
  if (!session.OpenProject(args.positional[1], project)) return kExitFailed;
  int exitCode = kExitOk;
  const TQMPanel* panel = ChosenPanel(session, project, exitCode);
  if (!panel) return exitCode;
  std::string csv = ExportMessagesCsv(*panel);
  std::string out = args.Value("-o,--output");
  if (out.empty()) {
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return kExitOk;
  }
  std::string error;
  if (!WriteFileAtomically(out, csv, &error)) {
    std::fprintf(stderr, "%s: %s\n", out.c_str(), error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

int Import(Session& session) {
  const Arguments& args = session.Args();
  const std::string& file = args.positional[1];
  const std::string& table = args.positional[2];
  if (table.empty()) {
    std::fprintf(
        stderr, "%s\n",
        translate("Cli", "lumora: messages import needs the table to read: FILE.lmx IN.csv").c_str());
    return kExitUsage;
  }
  std::string csv;
  std::string error;
  if (!ReadWholeFile(table, csv, &error)) {
    std::fprintf(stderr, "%s: %s\n", table.c_str(), error.c_str());
    return kExitFailed;
  }
  TQMProject project;
  if (!session.OpenProject(file, project) || !session.PrepareAddresses(project)) return kExitFailed;
  int exitCode = kExitOk;
  TQMPanel* panel = ChosenPanel(session, project, exitCode);
  if (!panel) return exitCode;

  PlcAddressCheck addresses(project, project.tagMapLinked);
  CsvProblems problems = ImportMessagesCsv(csv, *panel, addresses);
  if (!problems.empty()) {
    for (const CsvProblem& problem : problems.kept)
      std::fprintf(stderr, "%s\n", CsvProblemLine(table, problem).c_str());
    if (problems.count > problems.kept.size())
      std::fprintf(stderr, "%s\n",
                   FillPlaceholders(translate("Cli", "%1: %2 more problems not shown"),
                                    {table, std::to_string(problems.count - problems.kept.size())})
                       .c_str());
    return kExitFailed;
  }
  std::string out;
  if (!SaveResult(session, project, out, file)) return kExitFailed;
  std::printf("%s\n", FillPlaceholders(translate("Cli", "Port %1 (%2): %3 messages from %4, saved to %5"),
                                       {std::to_string(panel->port), panel->ModelText(),
                                        std::to_string(panel->messages.size()), table, out})
                          .c_str());
  return kExitOk;
}

}  // namespace

bool IsMessageCommand(const std::string& command) {
  return command == "messages";
}

int RunMessageCommand(Session& session) {
  const std::string& action = session.Args().positional[0];
  if (action == "export") return Export(session);
  if (action == "import") return Import(session);
  std::fprintf(
      stderr, "%s\n",
      FillPlaceholders(translate("Cli", "lumora: messages takes export or import, not '%1'"), {action})
          .c_str());
  return kExitUsage;
}

}  // namespace lumora::cli
