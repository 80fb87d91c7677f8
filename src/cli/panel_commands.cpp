// lumora export | import: moving one panel's configuration between project files.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli_session.h"
#include "model/address_list.h"
#include "model/panel_exchange.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/translation.h"
#include "plc/plc_manager.h"

namespace lumora::cli {
namespace {

// Makes the port --port names (default: the selected one) the project's selected port; -1 after a usage
// error was printed.
int SelectPort(const Session& session, TQMProject& project) {
  int port = ChosenPanelPort(session.Args(), project);
  if (port > 0) project.multiplexer.selectedPort = port;
  return port;
}

std::string ConfiguredPorts(const TQMProject& project) {
  std::string list;
  for (const auto& panel : project.panels)
    list += (list.empty() ? "" : ", ") + std::to_string(panel->port);
  return list.empty() ? "none" : list;
}

int Export(Session& session) {
  const Arguments& args = session.Args();
  TQMProject project;
  if (!session.OpenProject(args.positional[0], project)) return kExitFailed;
  int port = SelectPort(session, project);
  if (port < 0) return kExitUsage;
  if (!project.CurrentPanel()) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "Port %1 has no panel (configured ports: %2)"),
                                  {std::to_string(port), ConfiguredPorts(project)})
                     .c_str());
    return kExitFailed;
  }
  std::string error;
  if (!ExportSelectedPanel(project, args.positional[1], &error)) {
    std::fprintf(stderr, "%s: %s\n", args.positional[1].c_str(), error.c_str());
    return kExitFailed;
  }
  std::printf("%s\n", FillPlaceholders(
                          translate("Cli", "Port %1 (%2) exported to %3"),
                          {std::to_string(port), project.CurrentPanel()->ModelText(), args.positional[1]})
                          .c_str());
  return kExitOk;
}

int Import(Session& session) {
  const Arguments& args = session.Args();
  TQMProject project;
  if (!session.OpenProject(args.positional[0], project) || !session.PrepareAddresses(project))
    return kExitFailed;
  TQMProject loaded;
  if (!session.OpenProject(args.positional[1], loaded)) return kExitFailed;
  // The imported panel keeps this project's PLC: its addresses are encoded by this project's library,
  // which also makes the comparison with the panel being replaced meaningful.
  loaded.plcSettings = project.plcSettings;
  if (!session.PrepareAddresses(loaded)) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "%1: its PLC addresses do not all fit %2, the PLC of %3"),
                                  {args.positional[1], project.plcSettings.plcName, args.positional[0]})
                     .c_str());
    return kExitFailed;
  }

  int sourcePort = 0;
  if (loaded.IsMultiPanel()) {
    sourcePort = ChosenPort(args, "--from-port", 0);
    if (sourcePort < 0) return kExitUsage;
    if (sourcePort == 0 || !loaded.FindPanel(sourcePort)) {
      std::fprintf(
          stderr, "%s\n",
          FillPlaceholders(
              translate("Cli",
                        "lumora: %1 is a multi-panel project: --from-port names one of its ports (%2)"),
              {args.positional[1], ConfiguredPorts(loaded)})
              .c_str());
      return kExitUsage;
    }
  } else if (args.HasValue("--from-port")) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "lumora: %1 holds one panel: --from-port does not apply"),
                                  {args.positional[1]})
                     .c_str());
    return kExitUsage;
  }
  int port = SelectPort(session, project);
  if (port < 0) return kExitUsage;

  session.Ui().yes = true;  // the clearing question
  std::vector<ProjectProblem> problems;
  ProjectEdit<ImportOutcome> edit = ImportPanel(project, loaded, sourcePort, &problems);
  ImportOutcome outcome = edit.outcome;
  if (outcome == ImportOutcome::Refused) {
    std::fprintf(stderr, "%s\n", ImportRefusedText(args.positional[1], problems).c_str());
    return kExitFailed;
  }
  if (outcome == ImportOutcome::Unchanged) {
    std::printf("%s\n",
                FillPlaceholders(
                    translate("Cli", "The panel on port %1 is the same as the imported one: nothing changed"),
                    {std::to_string(port)})
                    .c_str());
    return kExitOk;
  }
  if (!edit.project) return kExitFailed;
  project = std::move(*edit.project);
  // The PLC stays this project's, with its library's address size.
  TQMPlcManager plc(project.plcLibrary.get(), session.Ui());
  project.plcSettings.addressSize = plc.Details().integers[1];

  std::string out;
  if (!SaveResult(session, project, out)) return kExitFailed;
  std::printf("%s\n", FillPlaceholders(translate("Cli", "Port %1 is now a %2, saved to %3"),
                                       {std::to_string(port), project.CurrentPanel()->ModelText(), out})
                          .c_str());
  return kExitOk;
}

int Addresses(Session& session) {
  const Arguments& args = session.Args();
  TQMProject project;
  if (!session.OpenProject(args.positional[0], project)) return kExitFailed;
  int port = ChosenPanelPort(args, project);
  if (port < 0) return kExitUsage;
  if (args.HasValue("--paper") && !args.HasValue("--pdf")) {
    std::fprintf(stderr, "%s\n", translate("Cli", "lumora: --paper goes with --pdf").c_str());
    return kExitUsage;
  }
  const TQMPanel* panel = project.FindPanel(port);
  if (!panel) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "Port %1 has no panel (configured ports: %2)"),
                                  {std::to_string(port), ConfiguredPorts(project)})
                     .c_str());
    return kExitFailed;
  }
  if (!args.Value("--pdf").empty()) return WriteAddressesPdf(session, project, *panel);
  std::vector<AddressRow> rows = ListMessageAddresses(*panel);
  if (args.Has("--csv")) {
    std::string csv = AddressRowsCsv(rows);
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return kExitOk;
  }
  std::printf("PLC: %s\n", project.plcSettings.plcName.c_str());
  std::printf("Port %d: %s\n", panel->port, panel->ModelText().c_str());
  std::printf("Total Number of messages (OUT OF 256): %3d\n\n", static_cast<int>(panel->messages.size()));
  for (const SystemAddress& address : ListSystemAddresses(*panel)) {
    std::string label = address.label;
    if (label.back() != ':') label += ':';
    std::printf("%-31s %s\n", label.c_str(), address.value.c_str());
  }
  std::printf("\n%-5s %-16s %-18s %-14s %-12s %s\n", kAddressListColumns[0], kAddressListColumns[1],
              kAddressListColumns[2], kAddressListColumns[3], kAddressListColumns[4], kAddressListColumns[5]);
  for (const AddressRow& row : rows) {
    char line[512];
    std::snprintf(line, sizeof line, "%-5d %-16s %-18s %-14s %-12s %s", row.item, row.address.c_str(),
                  row.usedIn.c_str(), row.function.c_str(), row.access.c_str(), row.password.c_str());
    std::string text = line;
    text.erase(text.find_last_not_of(' ') + 1);
    std::printf("%s\n", text.c_str());
  }
  return kExitOk;
}

}  // namespace

bool IsPanelCommand(const std::string& command) {
  return command == "export" || command == "import" || command == "addresses";
}

int RunPanelCommand(Session& session) {
  const std::string& command = session.Args().command;
  if (command == "export") return Export(session);
  if (command == "import") return Import(session);
  return Addresses(session);
}

}  // namespace lumora::cli
