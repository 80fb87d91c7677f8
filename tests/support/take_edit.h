#pragma once
// Tests of the core's edits take their new project in as the document does.

#include <utility>

#include "model/project.h"

namespace lumora::testing {

// Puts an edit's new project (when it made one) in place of `project`; gives back the rest of the result.
template <typename Edit>
Edit Take(TQMProject& project, Edit edit) {
  if (edit.project) {
    project = std::move(*edit.project);
    edit.project.reset();
  }
  return edit;
}

}  // namespace lumora::testing
