#pragma once
// A project kept for undo and redo. Its panels are shared with the state it was taken against wherever
// they are equal, so a history of changes to one panel keeps one copy of the others.

#include <memory>
#include <vector>

#include "model/project.h"

namespace lumora {

class ProjectState {
 public:
  // The project as it is; panels equal (to the byte, as a file holds them) to `previous`'s panel at the
  // same place are shared with it.
  static std::shared_ptr<const ProjectState> Capture(const TQMProject& project, const ProjectState* previous);
  // A project equal to the captured one, with `services` (its PLC library loaded through them).
  std::unique_ptr<TQMProject> Make(CoreServices services) const;

  size_t PanelCount() const { return panels_.size(); }
  // Whether this state and `other` hold the very same copy of panel `index` (for tests of the sharing).
  bool SharesPanel(const ProjectState& other, size_t index) const;

 private:
  TQMProject settings_;  // without panels, services or library
  std::vector<std::shared_ptr<const TQMPanel>> panels_;
};

}  // namespace lumora
