#pragma once
// Switching a project between a single panel and a multi-panel system behind a multiplexer.

#include "model/project_edit.h"
#include "model/translation.h"

namespace lumora {

inline constexpr const char* kLeaveMultiPanelQuestion = QT_TRANSLATE_NOOP(
    "Core", "Changes made to the MultiPanel configuration will be lost.\nDo you wish to continue?");

enum class SystemKindChange { Changed, Unchanged, Declined };

// A multi-panel project as a single-panel one: every panel gives way to one default QM210 on port 1, after the
// question (through the project's interaction); a single-panel project stays as it is.
ProjectEdit<SystemKindChange> SwitchToSinglePanel(const TQMProject& project);
// The single panel stays, on its port, as the multiplexer's only configured panel; port 1 is selected.
ProjectEdit<SystemKindChange> SwitchToMultiPanel(const TQMProject& project);

}  // namespace lumora
