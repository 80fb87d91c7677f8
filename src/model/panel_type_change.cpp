#include "model/panel_type_change.h"

#include "model/interaction.h"
#include "model/project.h"

namespace lumora {
namespace {

bool SameFamily(int a, int b) {
  return (a == kPanelQMSV) == (b == kPanelQMSV);
}

bool Confirm(TQMProject& project, const char* question) {
  return project.services.Ui().Ask(translate("Core", question), "", MessageButtons::YesNo,
                                   MessageIcon::Question, Answer::No) == Answer::Yes;
}

PanelTypeChange ChangePanelTypeOf(TQMProject& project, int panelType) {
  project.multiplexer.selectedPort = project.SelectedPort();
  bool multiPanel = project.IsMultiPanel();
  int port = multiPanel ? project.multiplexer.selectedPort : 1;
  const TQMPanel* old = project.FindPanel(port);
  // The same model again changes nothing.
  if (old && old->panelType == panelType) return PanelTypeChange::Unchanged;

  TQMPanel fresh(&project, panelType);
  if (old) {
    bool losesMessages = !SameFamily(old->panelType, panelType) && !old->messages.empty();
    if (losesMessages && !Confirm(project, multiPanel ? kMultiPanelTypeQuestion : kSinglePanelTypeQuestion))
      return PanelTypeChange::Declined;
    // A record of the new type receives what its type can hold of the old one.
    if (!multiPanel || SameFamily(old->panelType, panelType)) fresh.AssignCompatible(*old);
  }
  fresh.port = port;
  if (multiPanel) project.multiplexer.selectedPort = port;
  project.PutPanel(fresh);
  if (TQMPanel* stored = project.FindPanel(port)) {
    stored->panelType = panelType;
    project.multiplexer.SetPortFromPanel(*stored);
  }
  return PanelTypeChange::Changed;
}

bool DeleteSelectedPanelOf(TQMProject& project) {
  project.multiplexer.selectedPort = project.SelectedPort();
  if (!project.CurrentPanel()) return false;
  if (project.services.Ui().Ask(translate("Core", kMultiPanelTypeQuestion),
                                translate("Core", kDeletePanelCaption), MessageButtons::YesNo,
                                MessageIcon::Question, Answer::Yes) == Answer::No)
    return false;
  project.multiplexer.ClearPort(project.multiplexer.selectedPort);
  project.RemoveSelectedPanel();
  return true;
}

}  // namespace

ProjectEdit<PanelTypeChange> ChangePanelType(const TQMProject& project, int panelType) {
  return EditCopy(project, PanelTypeChange::Changed,
                  [panelType](TQMProject& copy) { return ChangePanelTypeOf(copy, panelType); });
}

ProjectEdit<bool> DeleteSelectedPanel(const TQMProject& project) {
  return EditCopy(project, true, DeleteSelectedPanelOf);
}

}  // namespace lumora
