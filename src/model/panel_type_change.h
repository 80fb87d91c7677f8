#pragma once
// Changing the model of the panel being edited ("Select Panel"): a new panel record of the chosen type
// takes over what it can of the old one, after a question when messages would be lost.

#include "model/project_edit.h"
#include "model/translation.h"

namespace lumora {

inline constexpr const char* kMultiPanelTypeQuestion =
    QT_TRANSLATE_NOOP("Core",
                      "This operation will delete all the messages and addresses \n configured in the "
                      "current panel. Continue?");
inline constexpr const char* kSinglePanelTypeQuestion = QT_TRANSLATE_NOOP(
    "Core",
    "This operation will delete all the messages\nand addresses configured in the current project. "
    "Continue?\nChanging panels will not create a new project,\nif you would like to create a new project "
    "select NEW from the FILE menu.");

enum class PanelTypeChange {
  Changed,    // the selected port's panel is now of the chosen type
  Unchanged,  // the panel is of that type already
  Declined,   // No to the question
};

// The panel on the project's selected port (port 1 of a single-panel project) becomes a `panelType` panel.
// Moving between a text panel and the set-point panel loses the messages: that is asked first (through
// the project's interaction) when the old panel has any.
ProjectEdit<PanelTypeChange> ChangePanelType(const TQMProject& project, int panelType);

inline constexpr const char* kDeletePanelCaption = QT_TRANSLATE_NOOP("Core", "Warning");

// "Delete Panel": after the question (caption "Warning"), the selected port loses its panel and the port
// is recorded empty. The outcome is false when the user answers No or the port holds no panel.
ProjectEdit<bool> DeleteSelectedPanel(const TQMProject& project);

}  // namespace lumora
