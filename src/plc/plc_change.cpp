#include "plc/plc_change.h"

#include <cstdio>
#include <optional>

#include "model/interaction.h"
#include "model/project.h"
#include "model/tag_map_file.h"
#include "plc/address_conversion.h"
#include "plc/plc_manager.h"
#include "plc/plc_manager2.h"

namespace lumora {
namespace {

// The translation of `format` with "%1" and "%2" filled in.
std::string Format(const char* format, const std::string& first, const std::string& second = {}) {
  return FillPlaceholders(translate("Core", format), {first, second});
}

// The settings of the new PLC: its name, library, ids header and address size.
void TakeOverPlc(TQMPlcSettings& settings, const PlcCatalogueEntry& entry, const LumoraPlcDetails& details) {
  settings.plcName = entry.name;
  settings.libraryName = entry.path;
  settings.addressSize = details.integers[1];
  if (settings.plcAttributes.size() < 32) settings.plcAttributes.resize(32, 0);
  settings.plcAttributes[0] = details.manufacturerId;
  settings.plcAttributes[1] = details.modelId;
}

bool Confirmed(Interaction& ui, const PlcChangeOptions& options, const std::string& text) {
  if (options.fresh) return true;
  return ui.Ask(text, translate("Core", kPlcChangeCaption), MessageButtons::YesNo, MessageIcon::Exclamation,
                Answer::No) == Answer::Yes;
}

// A Plan & Run project keeps the tag map it already has for the selected panel's kind, else one is chosen.
PlcChangeOutcome LinkTagMap(TQMProject& project, Interaction& ui) {
  const TQMPanel* panel = project.CurrentPanel();
  if (!panel && !project.panels.empty()) panel = project.panels.front().get();
  if (panel && !project.TagMapFor(panel->panelType).entries.empty()) {
    project.tagMapLinked = true;
    return PlcChangeOutcome::Changed;
  }
  FilePrompt prompt;
  prompt.title = translate("Core", "Open Tag Map File");
  prompt.filter = translate("Core", "Plan & Run Map Files (*.map)|*.map|All Files (*.*)|*.*||");
  prompt.defaultExtension = "map";
  std::optional<std::string> chosen = ui.PromptOpenFile(prompt);
  if (!chosen) return PlcChangeOutcome::NoTagMap;
  TagMapTable textPanels;
  TagMapTable setPoints;
  if (!ReadTagMapFile(*chosen, textPanels, setPoints, ui)) return PlcChangeOutcome::TagMapFailed;
  project.textPanelTagMap = std::move(textPanels);
  project.setPointTagMap = std::move(setPoints);
  project.tagMapPath = *chosen;
  project.tagMapLinked = true;
  return PlcChangeOutcome::Changed;
}

}  // namespace

PlcChangeResult ChangeProjectPlc(const TQMProject& current, const PlcCatalogueEntry& entry, Interaction& ui,
                                 const PlcChangeOptions& options) {
  PlcChangeResult result;
  if (entry.name == current.plcSettings.plcName && entry.path == current.plcSettings.libraryName) {
    result.outcome = PlcChangeOutcome::SamePlc;
    return result;
  }
  TQMProject project(current);
  project.KeepTagMapOf(current);
  TQMPlcManager2 newPlc(entry.path, ui);
  if (!newPlc.HasLibrary()) {
    ui.ShowMessage(Format(kP003Format, entry.path), "", MessageIcon::Error);
    result.outcome = PlcChangeOutcome::LibraryMissing;
    return result;
  }
  LumoraPlcDetails details = newPlc.Details();
  // Without a default attribute block the new PLC cannot take over the old one's addresses. One that the
  // library has but could not hand over whole stops the change: that is no reason to clear the addresses.
  TQMPlcSettings defaults;
  DefaultAttributes made = newPlc.CreateDefaultAttributes(defaults);
  if (made == DefaultAttributes::Failed) {
    result.outcome = PlcChangeOutcome::AttributesFailed;
    return result;
  }
  result.compatible = made == DefaultAttributes::Created &&
                      IsConvertiblePlc(project.plcSettings.ManufacturerId(), project.plcSettings.ModelId(),
                                       details.manufacturerId, details.modelId, ui);
  const std::string& oldName = project.plcSettings.plcName;

  if (result.compatible) {
    if (!Confirmed(ui, options, Format(kCompatiblePlcFormat, entry.name, oldName))) return result;
    TQMPlcSettings settings = project.plcSettings;
    settings.plcAttributes = defaults.plcAttributes;
    TakeOverPlc(settings, entry, details);
    if (options.editAttributes) {
      bool multiplexer = project.IsMultiPanel();
      if (multiplexer) newPlc.SetApplicationType(1);
      bool accepted = options.editAttributes(newPlc, settings);
      if (multiplexer) newPlc.SetApplicationType(2);
      if (!accepted) return result;
    }
    project.plcSettings = settings;
    result.rows = ConvertProjectAddresses(project, newPlc);
  } else {
    if (!Confirmed(ui, options, Format(kP006Format, entry.name, oldName))) return result;
    if (details.manufacturerId == kPlanNRunManufacturerId) {
      PlcChangeOutcome linked = LinkTagMap(project, ui);
      if (linked != PlcChangeOutcome::Changed) {
        result.outcome = linked;
        return result;
      }
    } else {
      project.tagMapLinked = false;
    }
    project.ClearAllAddresses();
    if (made == DefaultAttributes::Created)
      project.plcSettings.plcAttributes = defaults.plcAttributes;
    else
      project.plcSettings.SetHeader(details.manufacturerId, details.modelId);
    TakeOverPlc(project.plcSettings, entry, details);
  }
  project.ReloadPlcLibrary(entry.path);
  result.outcome = PlcChangeOutcome::Changed;
  result.project = std::move(project);
  return result;
}

}  // namespace lumora
