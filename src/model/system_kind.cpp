#include "model/system_kind.h"

#include "model/interaction.h"
#include "model/project.h"

namespace lumora {

ProjectEdit<SystemKindChange> SwitchToSinglePanel(const TQMProject& current) {
  if (!current.IsMultiPanel()) return {SystemKindChange::Unchanged, std::nullopt};
  if (current.services.Ui().Ask(translate("Core", kLeaveMultiPanelQuestion), "", MessageButtons::YesNo,
                                MessageIcon::Question, Answer::No) != Answer::Yes)
    return {SystemKindChange::Declined, std::nullopt};
  TQMProject project(current);
  project.systemType = SystemType::SinglePanel;
  project.panels.clear();
  project.multiplexer.Clear();
  project.multiplexer.selectedPort = 1;
  project.PutPanel(TQMPanel(&project, kPanelQM210));
  project.multiplexer.SetPortFromPanel(*project.FindPanel(1));
  return {SystemKindChange::Changed, std::move(project)};
}

ProjectEdit<SystemKindChange> SwitchToMultiPanel(const TQMProject& current) {
  if (current.IsMultiPanel()) return {SystemKindChange::Unchanged, std::nullopt};
  TQMProject project(current);
  project.multiplexer.selectedPort = 1;
  project.multiplexer.Clear();
  if (!project.panels.empty()) project.multiplexer.SetPortFromPanel(*project.panels.front());
  project.systemType = SystemType::MultiPanel;
  return {SystemKindChange::Changed, std::move(project)};
}

}  // namespace lumora
