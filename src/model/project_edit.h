#pragma once
// What a core edit of a project gives back: its outcome and, when it changed something, the new project.
// The edit itself changes nothing; the caller (the document, a command) takes the new project in.

#include <optional>
#include <utility>

#include "model/project.h"

namespace lumora {

template <typename Outcome>
struct ProjectEdit {
  Outcome outcome{};
  std::optional<TQMProject> project;  // set exactly when the edit made a new project
};

// Runs `edit` on a copy of `project`; the copy is the new project when the edit answers `changed`.
template <typename Outcome, typename Edit>
ProjectEdit<Outcome> EditCopy(const TQMProject& project, Outcome changed, Edit&& edit) {
  ProjectEdit<Outcome> result;
  TQMProject copy(project);
  result.outcome = std::forward<Edit>(edit)(copy);
  if (result.outcome == changed) result.project = std::move(copy);
  return result;
}

}  // namespace lumora
