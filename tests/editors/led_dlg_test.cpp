#include "editors/led_dlg.h"

#include <QComboBox>
#include <QLineEdit>

#include "editor_fixture.h"
#include "editors/connector_frame.h"
#include "editors/editor_launcher.h"
#include "editors/mode_combos.h"
#include "editors/plannrun_combo.h"
#include "support/sample_projects.h"

namespace lumora::gui {
namespace {

using testing::EditorFixture;

class LedDlgTest : public EditorFixture {
 protected:
  void SetUp() override {
    MakeProject(kPanelQM210);
    testing::SetTarvoAddress(Panel().buttonLeds.ledWord, "V2000", kBinary16);
    testing::SetTarvoAddress(Panel().buttonLeds.buttonWord, "V2001", kBinary16);
    Panel().buttonLeds.ledMode = {0, 1, 0, 2, 0};
    Panel().buttonLeds.buttonMode = {0, 0, 2, 1, 0};
  }
  static QLineEdit* Edit(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }
  static CLedCombo* Led(QDialog& dialog, int n) {
    return dialog.findChild<CLedCombo*>(QString("ledCombo%1").arg(n));
  }
  static CButtonCombo* Key(QDialog& dialog, int n) {
    return dialog.findChild<CButtonCombo*>(QString("buttonCombo%1").arg(n));
  }
  static QDialogButtonBox* Buttons(QDialog& dialog) { return dialog.findChild<QDialogButtonBox*>("buttons"); }
  static void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
};

TEST_F(LedDlgTest, OpensWithTheRecordsModesAndAddressesAndNamesEveryField) {
  CPLCLedDlg dialog(project);
  EXPECT_EQ(dialog.windowTitle(), QString("Buttons / LEDs"));
  EXPECT_EQ(Edit(dialog, "ledWordField")->text(), QString("V2000"));
  EXPECT_EQ(Edit(dialog, "buttonWordField")->text(), QString("V2001"));
  EXPECT_EQ(Led(dialog, 4)->currentText(), QString("By PLC"));
  EXPECT_EQ(Led(dialog, 2)->currentText(), QString("By Button & Flash"));
  EXPECT_EQ(Key(dialog, 3)->currentText(), QString("Panel Set & PLC Release"));
  ASSERT_EQ(Led(dialog, 1)->count(), 3);
  EXPECT_EQ(Key(dialog, 1)->itemText(1), QString("Alternate"));
  EXPECT_EQ(Led(dialog, 1)->itemText(0), QString("By Button"));
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(Led(dialog, n)->accessibleName(), QString("LED %1 mode").arg(n));
    EXPECT_EQ(Key(dialog, n)->accessibleName(), QString("F%1 action").arg(n));
  }
  auto* ledLabel = dialog.findChild<QLabel*>("ledWordLabel");
  auto* buttonLabel = dialog.findChild<QLabel*>("buttonWordLabel");
  EXPECT_EQ(ledLabel->text(), QString("LED (Bit &Read) PLC Word:"));
  EXPECT_EQ(buttonLabel->text(), QString("Buttons (Bit &Write) PLC Word:"));
  EXPECT_EQ(ledLabel->buddy(), Edit(dialog, "ledWordField"));
  EXPECT_EQ(buttonLabel->buddy(), Edit(dialog, "buttonWordField"));
  EXPECT_EQ(Edit(dialog, "ledWordField")->accessibleName(), QString("LED (Bit Read) PLC Word"));

  // Every caption of the picture is there.
  QStringList texts;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    texts << label->text();
  for (const char* text : {"BIT 0", "BIT 4", "BIT 10", "BIT 14", "LED 1", "LED 5", "F1", "F5", "REL 1", "REL 5",
                           "ACK 1", "ACK 5", "Alternate with\nPLC or button release:",
                           "Panel acknowledge of PLC release bits", "PLC Button Release Bits:"}) {
    EXPECT_TRUE(texts.contains(text)) << text;
  }
  EXPECT_TRUE(texts.contains("*Note: All bit designations are in octal (used by Tarvo PLCs). Use Bit 8-12 for "
                             "PLCs using decimal bit numbering system."));
  EXPECT_EQ(dialog.findChild<QGroupBox*>("ledGroup")->title(), QString("LED Control"));
  EXPECT_EQ(dialog.findChild<QGroupBox*>("buttonGroup")->title(), QString("Button Action"));
  EXPECT_EQ(dialog.findChild<CConnectorFrame*>("ledArea")->ConnectorCount(), 5);
  QAbstractButton* help = Buttons(dialog)->button(QDialogButtonBox::Help);
  EXPECT_TRUE(help->isEnabled());
  EXPECT_EQ(help->property("helpTopic").toString(), QString("buttons-leds.html"));
}

TEST_F(LedDlgTest, TabWalksTheLedsTheirWordTheKeysAndTheirWord) {
  CPLCLedDlg dialog(project);
  ShowActive(dialog);
  Led(dialog, 1)->setFocus();
  std::vector<QWidget*> expected;
  for (int n = 2; n <= 5; ++n)
    expected.push_back(Led(dialog, n));
  expected.push_back(Edit(dialog, "ledWordField"));
  for (int n = 1; n <= 5; ++n)
    expected.push_back(Key(dialog, n));
  expected.push_back(Edit(dialog, "buttonWordField"));
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  // The mnemonics jump to the words.
  QTest::keyClick(&dialog, Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Edit(dialog, "ledWordField"));
  QTest::keyClick(&dialog, Qt::Key_W, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Edit(dialog, "buttonWordField"));
}

TEST_F(LedDlgTest, CancelPutsBackModesAndWordsChangedMeanwhile) {
  std::string before = Saved();
  CPLCLedDlg dialog(project);
  ShowActive(dialog);
  ChooseByKeys(Led(dialog, 3), 2);  // LED 3: By PLC
  EXPECT_EQ(Panel().buttonLeds.ledMode[2], kLedByPlc);  // written at once
  ChooseByKeys(Key(dialog, 1), 1);
  EXPECT_EQ(Panel().buttonLeds.buttonMode[0], kButtonAlternate);
  // A valid LED word is stored by an OK that then fails on the button word...
  Retype(Edit(dialog, "ledWordField"), "v2100");
  Retype(Edit(dialog, "buttonWordField"), "V8");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Panel().buttonLeds.ledWord.address, "V2100");
  // ...and Cancel restores everything.
  Click(Buttons(dialog), QDialogButtonBox::Cancel);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Panel().buttonLeds.ledMode[2], 0);
  EXPECT_EQ(Panel().buttonLeds.buttonMode[0], 0);
  EXPECT_EQ(Panel().buttonLeds.ledWord.address, "V2000");
  EXPECT_EQ(Saved(), before);
}

TEST_F(LedDlgTest, OkStoresTheModesAndBothWordsInTheLibrarysForm) {
  CPLCLedDlg dialog(project);
  ShowActive(dialog);
  ChooseByKeys(Key(dialog, 1), 1);  // F1: Alternate
  Retype(Edit(dialog, "ledWordField"), "v02100");
  Retype(Edit(dialog, "buttonWordField"), "v2101");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.Texts());
  const TQMButtonLed& record = Panel().buttonLeds;
  EXPECT_EQ(record.buttonMode[0], kButtonAlternate);
  EXPECT_EQ(record.ledWord.address, "V2100");
  EXPECT_EQ(record.ledWord.tagName, "");
  EXPECT_EQ(record.ledWord.encodedAddress, (std::vector<uint8_t>{1, 0, 0x04, 0x40}));
  EXPECT_EQ(record.ledWord.valueType, kBinary16);
  EXPECT_EQ(record.buttonWord.address, "V2101");
  EXPECT_EQ(record.buttonWord.encodedAddress, (std::vector<uint8_t>{1, 0, 0x04, 0x41}));
}

TEST_F(LedDlgTest, EmptyWordsAreStoredWithoutAskingTheLibrary) {
  CPLCLedDlg dialog(project);
  ShowActive(dialog);
  Retype(Edit(dialog, "ledWordField"), "");
  Retype(Edit(dialog, "buttonWordField"), "");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(Panel().buttonLeds.ledWord.IsEmpty());
  EXPECT_TRUE(Panel().buttonLeds.buttonWord.encodedAddress.empty());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LedDlgTest, ARefusedWordKeepsTheDialogOpenWithItsTextSelected) {
  CPLCLedDlg dialog(project);
  ShowActive(dialog);
  // A read-only word cannot take the keys.
  Retype(Edit(dialog, "buttonWordField"), "V7400");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error T002: Invalid Access Type"}));
  QLineEdit* button = Edit(dialog, "buttonWordField");
  EXPECT_EQ(dialog.focusWidget(), button);
  EXPECT_EQ(button->selectedText(), QString("V7400"));
  EXPECT_EQ(Panel().buttonLeds.buttonWord.address, "V2001");

  // A bit address cannot be the LED word; the button word is not looked at then.
  ui.messages.clear();
  Retype(Edit(dialog, "ledWordField"), "X10");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error Z007: Discrete addresses are not allowed here."}));
  EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "ledWordField"));
  EXPECT_EQ(Edit(dialog, "ledWordField")->selectedText(), QString("X10"));
}

TEST_F(LedDlgTest, TheTagVariantStoresThePickedTagAndItsAddressAsIs) {
  MakeTagProject(kPanelQM410);
  Panel().buttonLeds.ledWord.tagName = "LAMPS";
  Panel().buttonLeds.ledWord.address = "V2000,5,1";
  CPNRLedDlg dialog(project);
  ShowActive(dialog);
  auto* led = dialog.findChild<CPlannRunCombo*>("ledWordField");
  auto* button = dialog.findChild<CPlannRunCombo*>("buttonWordField");
  ASSERT_NE(led, nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(led->currentText(), QString("LAMPS"));
  EXPECT_EQ(dialog.findChild<QLabel*>("buttonWordLabel")->buddy(), button);
  // The button word: pick KEYS (entries: "", INPUTS, KEYS, LAMPS, STATUS).
  ChooseByKeys(button, 2);
  ASSERT_EQ(button->currentText(), QString("KEYS"));
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(ui.Texts());
  EXPECT_EQ(Panel().buttonLeds.buttonWord.tagName, "KEYS");
  EXPECT_EQ(Panel().buttonLeds.buttonWord.address, "V2001,5,1");
  EXPECT_EQ(Panel().buttonLeds.buttonWord.encodedAddress, (std::vector<uint8_t>{1, 0, 0x04, 0x01}));
  EXPECT_EQ(Panel().buttonLeds.ledWord.tagName, "LAMPS");
}

TEST_F(LedDlgTest, TheTagVariantRefusesABitTagAndFocusesItsPicker) {
  MakeTagProject(kPanelQM210);
  CPNRLedDlg dialog(project);
  ShowActive(dialog);
  auto* led = dialog.findChild<CPlannRunCombo*>("ledWordField");
  ChooseByKeys(led, 1);  // INPUTS
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error Z007: Discrete addresses are not allowed here."}));
  EXPECT_EQ(dialog.focusWidget(), led);
  EXPECT_TRUE(Panel().buttonLeds.ledWord.IsEmpty());
}

TEST_F(LedDlgTest, TheLauncherRunsTheVariantOfTheProjectsTagMode) {
  std::string className;
  testing::WhenModal([&](QDialog& dialog) {
    className = dialog.metaObject()->className();
    ChooseByKeys(Led(dialog, 5), 2);
    Click(Buttons(dialog), QDialogButtonBox::Ok);
  });
  EditorOutcome outcome = CEditorLauncher::Launch(EditorKind::ButtonsLeds, project, nullptr);
  EXPECT_EQ(className, "lumora::gui::CPLCLedDlg");
  EXPECT_TRUE(outcome.opened);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_EQ(Panel().buttonLeds.ledMode[4], kLedByPlc);

  MakeTagProject(kPanelQM210);
  testing::WhenModal([&](QDialog& dialog) {
    className = dialog.metaObject()->className();
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  outcome = CEditorLauncher::Launch(EditorKind::ButtonsLeds, project, nullptr);
  EXPECT_EQ(className, "lumora::gui::CPNRLedDlg");
  EXPECT_TRUE(outcome.opened);
  EXPECT_FALSE(outcome.accepted);
}

}  // namespace
}  // namespace lumora::gui
