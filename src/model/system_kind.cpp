#include "model/system_kind.h"

#include "model/interaction.h"
#include "model/project.h"

namespace lumora {

SystemKindChange SwitchToSinglePanel(TQMProject& project) {
  if (!project.IsMultiPanel()) return SystemKindChange::Unchanged;
  if (project.services.Ui().Ask(kLeaveMultiPanelQuestion, "", MessageButtons::YesNo, MessageIcon::Question,
                                Answer::No) != Answer::Yes)
    return SystemKindChange::Declined;
  project.systemType = SystemType::SinglePanel;
  project.panels.clear();
  project.multiplexer.Clear();
  project.multiplexer.selectedPort = 1;
  project.PutPanel(TQMPanel(&project, kPanelQM210));
  project.multiplexer.SetPortFromPanel(*project.FindPanel(1));
  return SystemKindChange::Changed;
}

SystemKindChange SwitchToMultiPanel(TQMProject& project) {
  if (project.IsMultiPanel()) return SystemKindChange::Unchanged;
  project.multiplexer.selectedPort = 1;
  project.multiplexer.Clear();
  if (!project.panels.empty()) project.multiplexer.SetPortFromPanel(*project.panels.front());
  project.systemType = SystemType::MultiPanel;
  return SystemKindChange::Changed;
}

}  // namespace lumora
