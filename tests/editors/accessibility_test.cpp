// Every editor dialog read as a screen reader reads it: each control named, no name twice in a dialog; and
// as a keyboard user finds it: no Alt+letter twice.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <utility>

#include "editors/annunciator_dlg.h"
#include "editors/ins_msg_dlg.h"
#include "editors/led_dlg.h"
#include "editors/message_dlg.h"
#include "editors/msg_general_dlg.h"
#include "editors/sp_config_dlg.h"
#include "support/accessibility_walk.h"
#include "editor_fixture.h"

namespace lumora::gui {
namespace {

class EditorAccessibilityTest : public testing::EditorFixture {};

// Each control its own name, and each Alt+letter one control.
TEST_F(EditorAccessibilityTest, EveryControlOfEveryEditorHasItsOwnName) {
  struct Editor {
    const char* name;
    int panelType;
    std::function<std::unique_ptr<QDialog>(TQMProject&)> open;
  };
  const Editor editors[] = {
      {"message editor", kPanelQM410, [](TQMProject& p) { return std::make_unique<CPLCMessageDlg>(p); }},
      {"set-point configuration", kPanelQMSV, [](TQMProject& p) { return std::make_unique<CPLCSPConfigDlg>(p); }},
      {"buttons and LEDs", kPanelQM210K, [](TQMProject& p) { return std::make_unique<CPLCLedDlg>(p); }},
      {"annunciator", kPanelQM210K, [](TQMProject& p) { return std::make_unique<CPLCAnnunciatorDlg>(p); }},
      {"system addresses", kPanelQM410,
       [](TQMProject& p) { return std::make_unique<CPLCGeneralDlg>(*p.CurrentPanel()); }},
      {"insert message", kPanelQM210,
       [this](TQMProject&) { return std::make_unique<CInsMsgDlg>(3, 9, ui); }},
  };
  for (const Editor& editor : editors) {
    MakeProject(editor.panelType);
    std::unique_ptr<QDialog> dialog = editor.open(project);
    dialog->show();
    for (const std::string& problem : testing::AccessibilityProblems(dialog.get()))
      ADD_FAILURE() << editor.name << ": " << problem;
    for (const std::string& problem : testing::MnemonicProblems(dialog.get()))
      ADD_FAILURE() << editor.name << ": " << problem;
  }
}

}  // namespace
}  // namespace lumora::gui
