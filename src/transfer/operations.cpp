#include "transfer/operations.h"

#include <cerrno>
#include <cstring>

#include "link/comm_log.h"
#include "link/link_speed.h"
#include "model/interaction.h"
#include "model/project.h"
#include "model/project_compare.h"
#include "plc/plc_manager.h"
#include "transfer/panel_information.h"

namespace lumora {

int LinkSpeedFor(const TQMProject& project, bool multiplexerFirmware) {
  return multiplexerFirmware || project.IsMultiPanel() ? 38400 : 9600;
}

void ApplyLinkSpeed(const TQMProject& project, bool multiplexerFirmware) {
  SetLinkSpeed(LinkSpeedFor(project, multiplexerFirmware));
}

void ApplySystemLinkSpeed(bool multiplexerSystem) {
  SetLinkSpeed(multiplexerSystem ? 38400 : 9600);
}

namespace {

// The report of a communication log that could not be written whole.
std::string CommLogWriteFailureText(const std::string& path, const std::string& reason, bool partialKept) {
  // The reason first: the path may hold "%N".
  std::string text =
      Arg(Arg(translate("Core", "The communication log %2 could not be written: %1."), reason), path);
  if (partialKept)
    text += " " + Arg(translate("Core", "%1 is as it was; %1.partial holds what was written."), path);
  return text;
}

}  // namespace

CommLogScope::CommLogScope(const std::string& path, const std::string& version, bool versionLine,
                           Interaction& ui)
    : path_(path), ui_(ui) {
  if (path_.empty()) return;
  errno = 0;
  opened_ = OpenCommLog(path_);
  int openError = errno;
  if (!opened_) error_ = std::strerror(openError != 0 ? openError : EIO);
  if (opened_ && versionLine) CommLogNote("-- Program version: " + version);
}

CommLogScope::~CommLogScope() {
  if (!opened_) return;
  std::string reason;
  bool partialKept = false;
  if (!CloseCommLog(&reason, &partialKept))
    ui_.ShowMessage(CommLogWriteFailureText(path_, reason, partialKept), "", MessageIcon::Warning);
}

bool HasPanelToWrite(const TQMProject& project, int port) {
  return project.multiplexer.HasPanel(port) && project.FindPanel(port);
}

std::optional<std::string> NothingToWriteText(const TQMProject& project, TransferTarget target) {
  if (!project.IsMultiPanel() || target == TransferTarget::Multiplexer || target == TransferTarget::WriteProject)
    return std::nullopt;
  if (!IsPanelTarget(target)) return translate("Core", "No unit was chosen: nothing was written.");
  int port = PortOf(target);
  if (HasPanelToWrite(project, port)) return std::nullopt;
  return Arg(translate("Core", "Port %1 has no panel in this project: nothing was written."), port);
}

int PlcAddressSizeOf(const TQMProject& project, Interaction& interaction) {
  if (!project.plcLibrary) return 0;
  TQMPlcManager plc(project.plcLibrary.get(), interaction);
  return plc.Details().integers[1];
}

WriteCheck CheckBeforeWrite(const TQMProject& project, int plcAddressSize) {
  WriteCheck check;
  if (std::optional<std::vector<std::string>> missing = IncompleteWriteItems(project)) {
    check.verdict = WriteCheck::Verdict::Incomplete;
    check.missingItems = *missing;
    return check;
  }
  check.problems = ValidateProject(project, plcAddressSize);
  if (!check.problems.empty()) check.verdict = WriteCheck::Verdict::Invalid;
  return check;
}

std::string IncompleteDataText(const std::vector<std::string>& missingItems) {
  std::string text = translate("Core", "Panel program can not be uploaded as it has incomplete data. ");
  for (const std::string& line : missingItems)
    text += "\n" + line;
  while (!text.empty() && text.back() == '\n')
    text.pop_back();
  return text;
}

std::string InvalidProjectText(const std::vector<ProjectProblem>& problems) {
  std::string text = translate("Core", "The project cannot be written to the panel as it is:");
  for (const ProjectProblem& problem : problems)
    text += "\n" + problem.Line();
  return text;
}

void PrepareReadTarget(TQMProject& project, const CoreServices& services) {
  project.services = services;
  project.panels.clear();
  project.AddPanel(kPanelQM210, 1);
}

bool AdoptReadProject(const TQMProject& current, TQMProject& read) {
  // Nothing new came from the panel: the project keeps its address texts, tag names and tag map.
  if (ProjectsEqual(read, current, CompareScope::Panel)) return false;
  read.multiplexer.selectedPort = 1;
  read.fileName = current.fileName;
  return true;
}

}  // namespace lumora
