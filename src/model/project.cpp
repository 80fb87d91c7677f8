#include "model/project.h"

#include <algorithm>
#include <cstdio>

#include "model/file_io.h"
#include "model/interaction.h"
#include "model/project_compare.h"
#include "model/project_reader.h"
#include "model/text_lines.h"
#include "model/translation.h"

namespace lumora {

Interaction& CoreServices::Ui() const {
  static SilentInteraction silent;
  return interaction ? *interaction : silent;
}

void TQMPlcSettings::SetHeader(int manufacturerId, int modelId) {
  plcAttributes.assign(32, 0);
  plcAttributes[0] = static_cast<uint8_t>(manufacturerId);
  plcAttributes[1] = static_cast<uint8_t>(modelId);
}

bool TQMPlcSettings::Equals(const TQMPlcSettings& other) const {
  return addressSize == other.addressSize && plcAttributes == other.plcAttributes && plcName == other.plcName;
}

TQMProject::TQMProject(CoreServices coreServices) : services(coreServices) {}

TQMProject::TQMProject(const TQMProject& other) : services(other.services) {
  CopyFrom(other);
}

TQMProject& TQMProject::operator=(const TQMProject& other) {
  if (this != &other) {
    services = other.services;
    CopyFrom(other);
  }
  return *this;
}

TQMProject::TQMProject(TQMProject&& other) noexcept {
  MoveFrom(other);
}

TQMProject& TQMProject::operator=(TQMProject&& other) noexcept {
  if (this != &other) MoveFrom(other);
  return *this;
}

void TQMProject::MoveFrom(TQMProject& other) noexcept {
  plcLibrary.reset();
  tagMapLinked = other.tagMapLinked;
  systemType = other.systemType;
  panels = std::move(other.panels);
  multiplexer = other.multiplexer;
  plcSettings = std::move(other.plcSettings);
  plcLibrary = std::move(other.plcLibrary);
  textPanelTagMap = std::move(other.textPanelTagMap);
  setPointTagMap = std::move(other.setPointTagMap);
  fileName = std::move(other.fileName);
  tagMapPath = std::move(other.tagMapPath);
  services = other.services;
  for (auto& panel : panels) {
    panel->project = this;
    panel->ReseatBackReferences();
  }
  other.panels.clear();
}

TQMProject::~TQMProject() {
  plcLibrary.reset();  // the library goes first, as it may back the records' encodings
  panels.clear();
}

void TQMProject::CopyFrom(const TQMProject& other) {
  panels.clear();
  for (const auto& source : other.panels)
    AddPanelCopy(*source);
  CopySettingsFrom(other);
}

void TQMProject::AddPanelCopy(const TQMPanel& source) {
  // A copy is exact: a type-compatible copy would drop values the type does not use, and a copy must
  // write, save and compare like its original.
  auto panel = std::make_unique<TQMPanel>(this, source.panelType);
  panel->Assign(source);
  panels.push_back(std::move(panel));
}

void TQMProject::CopySettingsFrom(const TQMProject& other) {
  systemType = other.systemType;
  plcSettings = other.plcSettings;
  fileName = other.fileName;
  multiplexer = other.multiplexer;
  plcLibrary.reset();
  if (services.plc && !plcSettings.libraryName.empty()) {
    bool initialised = false;
    plcLibrary = services.plc->LoadPlcLibrary(plcSettings.libraryName, initialised);
  }
  if (other.tagMapLinked) {
    tagMapLinked = true;
    textPanelTagMap = other.textPanelTagMap;
    setPointTagMap = other.setPointTagMap;
    tagMapPath = other.tagMapPath;  // an export of the copy must still name its map
  } else {
    tagMapLinked = false;
  }
}

bool TQMProject::Load(LineReader& file, std::string* failureReason, bool* backupFailed) {
  ProjectReadResult result = ReadProject(file, *this);
  if (failureReason) *failureReason = result.failureReason;
  if (result.formatVersion < 0) return false;
  if (result.formatVersion == 0 && !OfferBackup(file, kProjectMarkerV0)) {
    if (backupFailed) *backupFailed = true;
    return false;
  }
  if (!result.ok) {
    if (!result.errorText.empty())
      services.Ui().ShowMessage(result.errorText, result.errorCaption, MessageIcon::Error);
    return false;
  }
  return !tagMapLinked || LoadTagMap();
}

bool TQMProject::OfferBackup(LineReader& file, const std::string& marker) {
  Interaction& ui = services.Ui();
  Answer answer =
      ui.Ask(translate("Core",
                       "Project has been created using previous version of software. Do you "
                       "want to have a back copy of it?"),
             translate("Core", "Backup Project"), MessageButtons::YesNo, MessageIcon::Question, Answer::Yes);
  if (answer != Answer::Yes) return true;
  FilePrompt prompt;
  prompt.filter = translate("Core", "Lumora Files (*.lmx)|*.lmx");
  prompt.defaultExtension = "lmx";
  prompt.overwritePrompt = true;
  std::optional<std::string> path = ui.PromptSaveFile(prompt);
  if (!path) return true;
  LineWriter backup;
  backup.Line(marker);
  file.Rewind();
  file.Line();
  while (!file.AtEnd())
    backup.Line(file.Line());
  std::string error;
  if (WriteFileAtomically(*path, backup.Text(), &error)) return true;
  ui.ShowMessage(translate("Core", "The backup copy could not be written, so the project was not opened.") +
                     "\n" + *path + ": " + error,
                 "", MessageIcon::Error);
  return false;
}

bool TQMProject::LoadTagMap() {
  Interaction& ui = services.Ui();
  // A linked map that is empty or not a map is as good as missing: the user is asked for the map.
  if (ReadTagMap(tagMapPath, textPanelTagMap, setPointTagMap, nullptr)) return true;
  std::string message =
      Arg(translate("Core", "Error T004: Unable to open tag map file : %1\nPlease choose the map file"),
          tagMapPath);
  if (ui.Ask(message, translate("Core", "Error"), MessageButtons::OkCancel, MessageIcon::Information,
             Answer::Ok) != Answer::Ok) {
    return false;
  }
  FilePrompt prompt;
  prompt.title = translate("Core", "Open Tag Map File");
  prompt.filter = translate("Core", "Plan & Run Map Files (*.map)|*.map|All Files (*.*)|*.*||");
  prompt.defaultExtension = "map";
  std::optional<std::string> chosen = ui.PromptOpenFile(prompt);
  if (!chosen) return false;
  tagMapPath = *chosen;
  return ReadTagMapFile(tagMapPath, textPanelTagMap, setPointTagMap, ui);
}

void TQMProject::KeepTagMapOf(const TQMProject& other) {
  if (tagMapLinked || other.tagMapPath.empty()) return;
  textPanelTagMap = other.textPanelTagMap;
  setPointTagMap = other.setPointTagMap;
  tagMapPath = other.tagMapPath;
}

int TQMProject::SelectedPort() const {
  return IsMultiPanel() ? std::clamp(multiplexer.selectedPort, 1, 5) : 1;
}

int TQMProject::SelectedPanelType() const {
  if (IsMultiPanel()) return multiplexer.portType[static_cast<size_t>(SelectedPort() - 1)];
  return panels.empty() ? kPanelNone : panels.front()->panelType;
}

void TQMProject::PutPanel(const TQMPanel& panel) {
  if (!IsMultiPanel()) {
    panels.clear();
    auto copy = std::make_unique<TQMPanel>(panel);
    copy->project = this;
    copy->port = 1;
    copy->ReseatBackReferences();
    panels.push_back(std::move(copy));
  } else {
    if (TQMPanel* existing = FindPanel(multiplexer.selectedPort)) {
      existing->Assign(panel);
      existing->port = multiplexer.selectedPort;
    } else {
      auto copy = std::make_unique<TQMPanel>(panel);
      copy->project = this;
      copy->port = multiplexer.selectedPort;
      copy->ReseatBackReferences();
      panels.push_back(std::move(copy));
    }
  }
}

void TQMProject::RemoveSelectedPanel() {
  auto it = std::find_if(panels.begin(), panels.end(),
                         [this](const auto& panel) { return panel->port == multiplexer.selectedPort; });
  if (it != panels.end()) panels.erase(it);
}

TQMPanel* TQMProject::FindPanel(int port) {
  for (auto& panel : panels) {
    if (panel->port == port) return panel.get();
  }
  return nullptr;
}

const TQMPanel* TQMProject::FindPanel(int port) const {
  for (const auto& panel : panels) {
    if (panel->port == port) return panel.get();
  }
  return nullptr;
}

TQMPanel& TQMProject::AddPanel(int panelType, int port) {
  auto panel = std::make_unique<TQMPanel>(this, panelType);
  panel->port = port;
  panels.push_back(std::move(panel));
  return *panels.back();
}

void TQMProject::ClearAllAddresses() {
  for (auto& panel : panels) {
    for (TQMMessage& message : panel->messages)
      message.ResetDataItems();
    panel->buttonLeds.ledWord.Reset();
    panel->buttonLeds.buttonWord.Reset();
    panel->buttonLeds.ledWord.valueType = kBinary16;
    panel->buttonLeds.buttonWord.valueType = kBinary16;
    if (panel->IsKeypadPanel()) panel->annunciatorWord.Reset();
    panel->annunciatorWord.valueType = kBinary16;
    for (TQMTag& tag : panel->lineRegisters)
      tag.Reset();
    panel->passwordRegister.Reset();
  }
}

void TQMProject::ForEachTag(const std::function<void(TQMTag&)>& fn) {
  for (auto& panel : panels)
    panel->ForEachTag(fn);
}

bool TQMProject::ReloadPlcLibrary(const std::string& path) {
  plcLibrary.reset();
  if (!services.plc) return false;
  bool initialised = false;
  plcLibrary = services.plc->LoadPlcLibrary(path, initialised);
  return plcLibrary && initialised;
}

bool TQMProject::Equals(const TQMProject& other) const {
  return ProjectsEqual(*this, other);
}

const TagMapTable& TQMProject::TagMapFor(int panelType) const {
  return panelType == kPanelQMSV ? setPointTagMap : textPanelTagMap;
}

}  // namespace lumora
