#include "model/project_state.h"

#include "model/project_compare.h"

namespace lumora {

std::shared_ptr<const ProjectState> ProjectState::Capture(const TQMProject& project, const ProjectState* previous) {
  auto state = std::make_shared<ProjectState>();
  state->settings_.CopySettingsFrom(project);
  for (size_t i = 0; i < project.panels.size(); ++i) {
    const TQMPanel& panel = *project.panels[i];
    if (previous && i < previous->panels_.size()) {
      const std::shared_ptr<const TQMPanel>& kept = previous->panels_[i];
      if (kept->port == panel.port && PanelsEqual(*kept, panel)) {
        state->panels_.push_back(kept);
        continue;
      }
    }
    // Owned by no project: a state outlives the project it was taken from.
    auto copy = std::make_shared<TQMPanel>(nullptr, panel.panelType);
    copy->Assign(panel);
    state->panels_.push_back(std::move(copy));
  }
  return state;
}

std::unique_ptr<TQMProject> ProjectState::Make(CoreServices services) const {
  auto project = std::make_unique<TQMProject>(services);
  for (const auto& panel : panels_)
    project->AddPanelCopy(*panel);
  project->CopySettingsFrom(settings_);
  return project;
}

bool ProjectState::SharesPanel(const ProjectState& other, size_t index) const {
  return index < panels_.size() && index < other.panels_.size() && panels_[index] == other.panels_[index];
}

}  // namespace lumora
