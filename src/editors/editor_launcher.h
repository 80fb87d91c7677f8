#pragma once
// Opens the editors of the main view's third step for the selected panel. The dialog variant follows the
// project's tag mode: addresses typed for the PLC, or tag names picked from a Plan & Run tag map.

#include <QString>
#include <functional>

class QWidget;

namespace lumora {
class TQMPanel;
class TQMProject;
}

namespace lumora::gui {

enum class EditorKind { Messages, SetPoints, ButtonsLeds, Annunciator, GeneralSettings };
enum class EditorVariant { Plc, PlanNRun };

EditorVariant VariantFor(const TQMProject& project);
// The dialog class of an editor variant, e.g. "CPNRMessageDlg".
const char* EditorClassName(EditorKind kind, EditorVariant variant);

struct EditorOutcome {
  bool opened = false;
  bool accepted = false;  // left with OK: the project holds the editor's result
};
// The name of an editor's session as one step of the undo history: "Edit Messages" (English; marked for
// translation in the context "CEditorLauncher").
const char* EditorCommandText(EditorKind kind);

// The address database dialog lives with the application; the editors reach it through this viewer.
using AddressDatabaseViewer = std::function<void(const TQMProject&, const TQMPanel&, QWidget* parent)>;
void SetAddressDatabaseViewer(AddressDatabaseViewer viewer);
const AddressDatabaseViewer& GetAddressDatabaseViewer();

class CEditorLauncher {
 public:
  // Runs the editor modally on the project (the general settings on its selected panel): hand it a copy,
  // which holds the editor's result after OK.
  static EditorOutcome Launch(EditorKind kind, TQMProject& project, QWidget* parent);
};

}  // namespace lumora::gui
