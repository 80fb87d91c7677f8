// lumora convert-plc: changing a project's PLC without the main view's questions.

#include <cstdio>
#include <string>

#include "cli/cli_session.h"
#include "model/project.h"
#include "model/translation.h"
#include "plc/address_conversion.h"
#include "plc/plc_change.h"
#include "plc/plc_manager.h"
#include "plc/plc_manager2.h"

namespace lumora::cli {
namespace {

// The command line has already answered the PLC change's questions: the compatible change is what was
// asked for, and an incompatible one goes ahead only with --force. Everything else goes to the console.
class ConvertInteraction : public Interaction {
 public:
  ConvertInteraction(ConsoleInteraction& console, bool force) : console_(console), force_(force) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    console_.ShowMessage(text, caption, icon);
  }
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons, MessageIcon icon,
             Answer defaultAnswer) override {
    const bool change = caption == translate("Core", kPlcChangeCaption);
    std::string p006 = translate("Core", kP006Format);
    if (change && text.rfind(p006.substr(0, p006.find('%')), 0) == 0) {
      std::fprintf(stderr, "%s\n-> %s\n", text.c_str(), force_ ? "Yes" : "No");
      return force_ ? Answer::Yes : Answer::No;
    }
    if (change) return Answer::Yes;
    return console_.Ask(text, caption, buttons, icon, defaultAnswer);
  }
  std::optional<std::string> PromptOpenFile(const FilePrompt& prompt) override {
    return console_.PromptOpenFile(prompt);
  }
  std::optional<std::string> PromptSaveFile(const FilePrompt& prompt) override {
    return console_.PromptSaveFile(prompt);
  }

 private:
  ConsoleInteraction& console_;
  bool force_;
};

std::string InstalledNames(const PlcCatalogue& catalogue) {
  std::string list;
  for (const PlcCatalogueEntry& entry : catalogue.Entries())
    list += (list.empty() ? "\"" : ", \"") + entry.name + "\"";
  return list.empty() ? "none" : list;
}

// A conversion row without its closing tab.
std::string RowLine(const std::string& row) {
  return !row.empty() && row.back() == '\t' ? row.substr(0, row.size() - 1) : row;
}

// A change to Plan & Run asks for a tag map unless the project has one for its panel: settled before
// anything else, as a usage error.
bool NeedsTagMap(const TQMProject& project, const PlcCatalogueEntry& entry, Interaction& ui) {
  if (entry.name == project.plcSettings.plcName && entry.path == project.plcSettings.libraryName)
    return false;
  TQMPlcManager2 plc(entry.path, ui);
  if (!plc.HasLibrary() || plc.Details().manufacturerId != kPlanNRunManufacturerId) return false;
  const TQMPanel* panel = project.CurrentPanel();
  if (!panel && !project.panels.empty()) panel = project.panels.front().get();
  return !panel || project.TagMapFor(panel->panelType).entries.empty();
}

void PrintNoTagMap(const std::string& name) {
  std::fprintf(
      stderr, "%s\n",
      FillPlaceholders(
          translate(
              "Cli",
              "lumora: %1 works with the tag names of a Plan & Run tag map: name it with --map FILE.map"),
          {name})
          .c_str());
}

int ConvertPlc(Session& session) {
  const Arguments& args = session.Args();
  std::string name = args.Value("--plc");
  if (name.empty()) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "lumora: convert-plc needs --plc NAME (installed: %1)"),
                                  {InstalledNames(session.Catalogue())})
                     .c_str());
    return kExitUsage;
  }
  const PlcCatalogueEntry* entry = nullptr;
  for (const PlcCatalogueEntry& candidate : session.Catalogue().Entries()) {
    if (candidate.name == name) entry = &candidate;
  }
  if (!entry) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "lumora: unknown PLC \"%1\" (installed: %2)"),
                                  {name, InstalledNames(session.Catalogue())})
                     .c_str());
    return kExitUsage;
  }

  TQMProject project;
  if (!session.OpenProject(args.positional[0], project)) return kExitFailed;
  if (args.Value("--map").empty() && NeedsTagMap(project, *entry, session.Ui())) {
    PrintNoTagMap(name);
    return kExitUsage;
  }
  ConvertInteraction ui(session.Ui(), args.Has("--force"));
  PlcChangeResult result = ChangeProjectPlc(project, *entry, ui);
  switch (result.outcome) {
    case PlcChangeOutcome::Changed:
      break;
    case PlcChangeOutcome::SamePlc:
      std::fprintf(
          stderr, "%s\n",
          FillPlaceholders(translate("Cli", "The project already uses %1: nothing changed"), {name}).c_str());
      return kExitOk;
    case PlcChangeOutcome::NoTagMap:
      PrintNoTagMap(name);
      return kExitUsage;
    case PlcChangeOutcome::Declined:
      if (!result.compatible)
        std::fprintf(
            stderr, "%s\n",
            translate("Cli", "lumora: --force changes the PLC and clears every PLC address").c_str());
      return kExitFailed;
    case PlcChangeOutcome::LibraryMissing:
    case PlcChangeOutcome::TagMapFailed:
    case PlcChangeOutcome::AttributesFailed:
      return kExitFailed;
  }

  project = std::move(*result.project);
  for (const std::string& row : result.rows)
    std::printf("%s\n", RowLine(row).c_str());
  std::fflush(stdout);
  std::string out;
  if (!SaveResult(session, project, out)) return kExitFailed;
  if (result.compatible) {
    size_t dropped = 0;
    for (const std::string& row : result.rows)
      dropped += row.find(kUnableToRebuildText) != std::string::npos ? 1 : 0;
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(
                     translate("Cli", "PLC changed to %1, %2 address(es) converted, %3 dropped, saved to %4"),
                     {name, std::to_string(result.rows.size() - dropped), std::to_string(dropped), out})
                     .c_str());
  } else {
    std::fprintf(
        stderr, "%s\n",
        FillPlaceholders(translate("Cli", "PLC changed to %1, every PLC address cleared, saved to %2"),
                         {name, out})
            .c_str());
  }
  return kExitOk;
}

}  // namespace

bool IsPlcCommand(const std::string& command) {
  return command == "convert-plc";
}

int RunPlcCommand(Session& session) {
  return ConvertPlc(session);
}

}  // namespace lumora::cli
