#include "editors/msg_general_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "editor_fixture.h"
#include "editors/editor_launcher.h"
#include "editors/plannrun_combo.h"
#include "support/sample_projects.h"

namespace lumora::gui {
namespace {

using testing::EditorFixture;

class MsgGeneralDlgTest : public EditorFixture {
 protected:
  void SetUp() override { MakeProject(kPanelQM210K); }
  template <typename T = QWidget>
  static T* Child(QDialog& dialog, const QString& name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  static QLineEdit* Line(QDialog& dialog, int n) { return Child<QLineEdit>(dialog, QString("line%1Field").arg(n)); }
  static QDialogButtonBox* Buttons(QDialog& dialog) { return Child<QDialogButtonBox>(dialog, "buttons"); }
  // The space bar, as a user toggles a focused check box.
  static void Toggle(QCheckBox* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
  }
  static void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
};

TEST_F(MsgGeneralDlgTest, OpensWithThePanelsSettingsAndNamesEveryField) {
  testing::SetTarvoAddress(Panel().lineRegisters[1], "V2011", kBcd32);
  testing::SetTarvoAddress(Panel().passwordRegister, "V2020", kBinary16);
  Panel().localPassword = 4294967295u;
  Panel().plcMessageDelay = false;
  CPLCGeneralDlg dialog(Panel());
  EXPECT_EQ(dialog.windowTitle(), QString("Panel System PLC Address Setup"));
  EXPECT_EQ(Child<QLabel>(dialog, "plcName")->text(), QString("Tarvo DL-205"));
  EXPECT_TRUE(Child<QLabel>(dialog, "plcName")->styleSheet().contains("rgb(0, 0, 255)"));
  EXPECT_EQ(Child<QLabel>(dialog, "addressHeading")->text(), QString("Address"));
  EXPECT_EQ(Line(dialog, 2)->text(), QString("V2011"));
  EXPECT_EQ(Child<QComboBox>(dialog, "line2Type")->currentText(), QString("BCD/Int 32"));
  EXPECT_EQ(Child<QComboBox>(dialog, "line1Type")->currentText(), QString("BCD/Int 16"));
  EXPECT_EQ(Child<QComboBox>(dialog, "passwordType")->currentText(), QString("Binary/Int 16"));
  EXPECT_EQ(Child<QLineEdit>(dialog, "passwordRegisterField")->text(), QString("V2020"));
  EXPECT_EQ(Child<QLineEdit>(dialog, "localPassword")->text(), QString("4294967295"));
  EXPECT_TRUE(Child<QCheckBox>(dialog, "beeperCheck")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(dialog, "delayCheck")->isChecked());
  EXPECT_EQ(Child<QCheckBox>(dialog, "cursorCheck")->text(), QString("Display cursor when a PLC\nmessage is displayed"));

  QStringList texts;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    texts << label->text();
  for (const char* text : {"1", "2", "3", "PLC:", "A value of 4 to Line 1 PLC address", "PLC Messages are as",
                           "PLC Message Light", "Line &One:", "Line &Four:", "&PLC Password\nRegister: ",
                           "&DATA Type", "&Local Password:"}) {
    EXPECT_TRUE(texts.contains(text)) << text;
  }
  EXPECT_EQ(Child<QGroupBox>(dialog, "linesGroup")->title(), QString("PLC Messages (Line Address) Setup:"));
  EXPECT_EQ(Child<QGroupBox>(dialog, "passwordGroup")->title(), QString("Password Setup (for QM-210K only)"));
  EXPECT_EQ(Child<QGroupBox>(dialog, "howGroup")->title(), QString("here's how they work..."));

  // Buddies and accessible names, combo boxes included.
  EXPECT_EQ(Child<QLabel>(dialog, "line1Label")->buddy(), Line(dialog, 1));
  EXPECT_EQ(Line(dialog, 3)->accessibleName(), QString("Line Three"));
  EXPECT_EQ(Child<QLabel>(dialog, "passwordTypeLabel")->buddy(), Child<QComboBox>(dialog, "passwordType"));
  EXPECT_EQ(Child<QLabel>(dialog, "localPasswordLabel")->buddy(), Child<QLineEdit>(dialog, "localPassword"));
  EXPECT_EQ(Child<QComboBox>(dialog, "line2Type")->accessibleName(), QString("Line Two data type"));
  auto* formatHelp = Child<QPushButton>(dialog, "formatHelpButton");
  EXPECT_EQ(formatHelp->text(), QString("  Help  for          PLC          &Address        Format"));
  EXPECT_TRUE(formatHelp->isEnabled());
  QAbstractButton* help = Buttons(dialog)->button(QDialogButtonBox::Help);
  EXPECT_TRUE(help->isEnabled());
  EXPECT_EQ(help->property("helpTopic").toString(), QString("system-addresses.html"));
  // A QM210K uses two lines and the passwords.
  EXPECT_TRUE(Line(dialog, 2)->isEnabled());
  EXPECT_FALSE(Line(dialog, 3)->isEnabled());
  EXPECT_TRUE(Child<QLineEdit>(dialog, "localPassword")->isEnabled());
}

TEST_F(MsgGeneralDlgTest, AQm210GreysLinesThreeAndFourAndThePasswords) {
  MakeProject(kPanelQM210);
  CPLCGeneralDlg dialog(Panel());
  for (const char* name : {"line3Label", "line3Field", "line3Type", "line4Label", "line4Field", "line4Type",
                           "passwordRegisterLabel", "passwordRegisterField", "passwordTypeLabel", "passwordType",
                           "localPasswordLabel", "localPassword"}) {
    EXPECT_FALSE(Child(dialog, name)->isEnabled()) << name;
  }
  for (const char* name : {"line1Field", "line2Field", "line2Type", "beeperCheck"})
    EXPECT_TRUE(Child(dialog, name)->isEnabled()) << name;

  // A QM410 has all four lines, no passwords; the tag variant leaves the register's picker alone.
  MakeTagProject(kPanelQM410);
  CPNRGeneralDlg tags(Panel());
  EXPECT_EQ(Child<QLabel>(tags, "addressHeading")->text(), QString("Tag Name"));
  EXPECT_TRUE(Child(tags, "line4Field")->isEnabled());
  EXPECT_TRUE(Child(tags, "line4Type")->isEnabled());
  EXPECT_FALSE(Child(tags, "localPassword")->isEnabled());
  EXPECT_FALSE(Child(tags, "passwordType")->isEnabled());
  EXPECT_TRUE(Child(tags, "passwordRegisterField")->isEnabled());
}

TEST_F(MsgGeneralDlgTest, TheLocalPasswordTakesTenDigitsAtMost) {
  CPLCGeneralDlg dialog(Panel());
  ShowActive(dialog);
  auto* password = Child<QLineEdit>(dialog, "localPassword");
  Retype(password, "12345678901");
  EXPECT_EQ(password->text(), QString("1234567890"));
  Retype(password, "12a3");
  EXPECT_EQ(password->text(), QString("123"));
  // Ten digits above the 32-bit range are refused, and nothing is stored.
  Retype(password, "9999999999");
  Toggle(Child<QCheckBox>(dialog, "beeperCheck"));
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Enter an integer between 0 and 4294967295."}));
  EXPECT_EQ(dialog.focusWidget(), password);
  EXPECT_TRUE(Panel().beeperEnabled);
  Retype(password, "4294967295");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Panel().localPassword, 4294967295u);
  EXPECT_FALSE(Panel().beeperEnabled);
}

TEST_F(MsgGeneralDlgTest, OkStoresEveryFieldWithItsTypeAndEmptyLinesStayEmpty) {
  MakeProject(kPanelQM410);
  testing::SetTarvoAddress(Panel().lineRegisters[3], "V2013");
  CPLCGeneralDlg dialog(Panel());
  ShowActive(dialog);
  Retype(Line(dialog, 1), "v02010");
  ChooseByKeys(Child(dialog, "line1Type"), 1);  // Binary/Int 16
  Retype(Line(dialog, 3), "V2012");
  Retype(Line(dialog, 4), "");
  Toggle(Child<QCheckBox>(dialog, "cursorCheck"));
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(ui.Texts());
  EXPECT_EQ(Panel().lineRegisters[0].address, "V2010");
  EXPECT_EQ(Panel().lineRegisters[0].tagName, "");
  EXPECT_EQ(Panel().lineRegisters[0].valueType, kBinary16);
  EXPECT_EQ(Panel().lineRegisters[0].encodedAddress, (std::vector<uint8_t>{1, 0, 0x04, 0x08}));
  EXPECT_TRUE(Panel().lineRegisters[1].IsEmpty());
  EXPECT_EQ(Panel().lineRegisters[2].address, "V2012");
  EXPECT_TRUE(Panel().lineRegisters[3].IsEmpty());
  EXPECT_TRUE(Panel().lineRegisters[3].encodedAddress.empty());
  EXPECT_FALSE(Panel().cursorOnPlcMessage);
  EXPECT_EQ(Line(dialog, 1)->text(), QString("V2010"));
}

TEST_F(MsgGeneralDlgTest, ARefusedLineTwoKeepsLineOneAndTheOptions) {
  CPLCGeneralDlg dialog(Panel());
  ShowActive(dialog);
  Retype(Line(dialog, 1), "V2010");
  Retype(Line(dialog, 2), "X10");
  Retype(Child<QLineEdit>(dialog, "localPassword"), "1234");
  Toggle(Child<QCheckBox>(dialog, "delayCheck"));
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error Z007: Discrete addresses are not allowed here."}));
  EXPECT_EQ(dialog.focusWidget(), Line(dialog, 2));
  EXPECT_EQ(Line(dialog, 2)->selectedText(), QString("X10"));
  EXPECT_EQ(Panel().lineRegisters[0].address, "V2010");
  EXPECT_TRUE(Panel().lineRegisters[1].IsEmpty());
  EXPECT_EQ(Panel().localPassword, 1234u);
  EXPECT_FALSE(Panel().plcMessageDelay);

  // The password register is checked last, as a read-only word of its type.
  ui.messages.clear();
  Retype(Line(dialog, 2), "");
  Retype(Child<QLineEdit>(dialog, "passwordRegisterField"), "V41237");
  ChooseByKeys(Child(dialog, "passwordType"), 2);  // BCD/Int 32: two words past the end
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(dialog.focusWidget(), Child(dialog, "passwordRegisterField"));
  ChooseByKeys(Child(dialog, "passwordType"), 0);
  QTest::keyClick(Child(dialog, "passwordType"), Qt::Key_Up);  // Binary/Int 16
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(ui.Texts());
  EXPECT_EQ(Panel().passwordRegister.address, "V41237");
  EXPECT_EQ(Panel().passwordRegister.valueType, kBinary16);
}

TEST_F(MsgGeneralDlgTest, CancelLeavesThePanelAsItWas) {
  std::string before = Saved();
  CPLCGeneralDlg dialog(Panel());
  ShowActive(dialog);
  Retype(Line(dialog, 1), "V2010");
  Toggle(Child<QCheckBox>(dialog, "beeperCheck"));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Saved(), before);
}

TEST_F(MsgGeneralDlgTest, TheTagVariantStoresThePickedTags) {
  MakeTagProject(kPanelQM210K);
  CPNRGeneralDlg dialog(Panel());
  ShowActive(dialog);
  auto* line1 = Child<CPlannRunCombo>(dialog, "line1Field");
  EXPECT_EQ(Child<QLabel>(dialog, "line1Label")->buddy(), line1);
  QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), line1);
  ChooseByKeys(line1, 4);  // "", INPUTS, KEYS, LAMPS, STATUS
  auto* line2 = Child<CPlannRunCombo>(dialog, "line2Field");
  ChooseByKeys(line2, 1);  // INPUTS: a bit
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.focusWidget(), line2);
  EXPECT_EQ(Panel().lineRegisters[0].tagName, "STATUS");
  EXPECT_EQ(Panel().lineRegisters[0].address, "V7400,5,1");
  ChooseByKeys(line2, 1);  // KEYS
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Panel().lineRegisters[1].tagName, "KEYS");
  EXPECT_EQ(Panel().lineRegisters[1].address, "V2001,5,1");
}

TEST_F(MsgGeneralDlgTest, TheLauncherEditsTheSelectedPanel) {
  project.AddPanel(kPanelQM410, 3);
  project.multiplexer.selectedPort = 3;
  std::string className;
  bool fourLines = false;
  testing::WhenModal([&](QDialog& dialog) {
    className = dialog.metaObject()->className();
    fourLines = dialog.findChild<QWidget*>("line4Field")->isEnabled();
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  });
  EditorOutcome outcome = CEditorLauncher::Launch(EditorKind::GeneralSettings, project, nullptr);
  EXPECT_EQ(className, "lumora::gui::CPLCGeneralDlg");
  EXPECT_TRUE(fourLines);
  EXPECT_TRUE(outcome.accepted);

  MakeTagProject(kPanelQM210);
  testing::WhenModal([&](QDialog& dialog) {
    className = dialog.metaObject()->className();
    dialog.reject();
  });
  outcome = CEditorLauncher::Launch(EditorKind::GeneralSettings, project, nullptr);
  EXPECT_EQ(className, "lumora::gui::CPNRGeneralDlg");
  EXPECT_FALSE(outcome.accepted);
}

}  // namespace
}  // namespace lumora::gui
