#pragma once
// Editor dialogs against the staged PLC libraries: a project with one panel, its library loaded as
// opening a project does it, a recording interaction, and helpers to drive and inspect the forms.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "model/project.h"
#include "model/project_file.h"
#include "plc/installed_plc_environment.h"
#include "plc/plc_manager.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/temp_dir.h"

namespace lumora::testing {

class EditorFixture : public ::testing::Test {
 protected:
  EditorFixture() : install_(StageDir()) { catalogue_.Discover(ui); }

  // A project with one panel of `panelType` on port 1 and the library `library` loaded.
  void MakeProject(int panelType, const std::string& library = "TDL205") {
    project = TQMProject({&ui, &environment_});
    project.AddPanel(panelType, 1);
    project.multiplexer.selectedPort = 1;
    project.plcSettings.libraryName = StageDir() + "/dll/" + library + ".so";
    ASSERT_TRUE(project.ReloadPlcLibrary(project.plcSettings.libraryName));
    TQMPlcManager manager(project.plcLibrary.get(), ui);
    project.plcSettings.plcName = manager.PlcName();
    project.plcSettings.addressSize = manager.Details().integers[1];
    ui.messages.clear();
  }
  // The same in tag mode, with a small Plan & Run map for text panels.
  void MakeTagProject(int panelType) {
    MakeProject(panelType, "PLANRUN");
    project.tagMapLinked = true;
    project.textPanelTagMap.entries["LAMPS"] = "V2000,5,1";
    project.textPanelTagMap.entries["KEYS"] = "V2001,5,1";
    project.textPanelTagMap.entries["INPUTS"] = "X10,1,1";
    project.textPanelTagMap.entries["STATUS"] = "V7400,5,1";
  }
  TQMPanel& Panel() { return *project.CurrentPanel(); }

  // The project file's bytes, to show that a dialog left it alone.
  std::string Saved() {
    std::string path = temp.File("project.lmx");
    std::string before = project.fileName;
    EXPECT_TRUE(SaveProjectFile(project, path));
    project.fileName = before;
    return TempDir::Read(path);
  }

  static void Click(QDialogButtonBox* box, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(box->button(which), Qt::LeftButton);
  }
  // Shows the dialog and waits until it is the active window (mnemonics and focus need that).
  static void ShowActive(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  // Moves a combo's selection the way a user does: arrow keys on the closed box.
  static void ChooseByKeys(QWidget* combo, int downSteps) {
    combo->setFocus();
    for (int i = 0; i < downSteps; ++i)
      QTest::keyClick(combo, Qt::Key_Down);
  }

  RecordingInteraction ui;
  TempDir temp;
  TQMProject project;

 private:
  ScopedInstallDir install_;
  PlcCatalogue catalogue_;
  InstalledPlcEnvironment environment_{catalogue_, ui};
};

// Runs `answer` once the next modal dialog is up (for runs through RunDialog); the answer must close it.
inline void WhenModal(std::function<void(QDialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      WhenModal(answer);
      return;
    }
    answer(*dialog);
    // A dialog that the answer did not close would block the test run for good.
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialog stayed open";
      dialog->reject();
    }
  });
}

}  // namespace lumora::testing
