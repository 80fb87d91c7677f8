#include "editors/annunciator_dlg.h"

#include <QLineEdit>

#include "editor_fixture.h"
#include "editors/address_field.h"
#include "editors/editor_launcher.h"
#include "editors/plannrun_combo.h"
#include "support/sample_projects.h"

namespace lumora::gui {
namespace {

using testing::EditorFixture;

class AnnunciatorDlgTest : public EditorFixture {
 protected:
  void SetUp() override {
    MakeProject(kPanelQM210K);
    testing::SetTarvoAddress(Panel().annunciatorWord, "V2002", kBinary16);
  }
  static QLineEdit* Edit(QDialog& dialog) { return dialog.findChild<QLineEdit*>("entryField"); }
  static QDialogButtonBox* Buttons(QDialog& dialog) { return dialog.findChild<QDialogButtonBox*>("buttons"); }
  static void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
};

TEST_F(AnnunciatorDlgTest, EachLampShowsItsOwnTwoBitsInTheFourColours) {
  CPLCAnnunciatorDlg dialog(project);
  EXPECT_EQ(dialog.windowTitle(), QString("Annunciator Setup"));
  EXPECT_EQ(dialog.Caption(1, CAnnunciatorDlg::kDark), QString("\nBIT0 = 0\nBIT1 = 0"));
  EXPECT_EQ(dialog.Caption(1, CAnnunciatorDlg::kRed), QString("\nBIT0 = 1\nBIT1 = 0"));
  EXPECT_EQ(dialog.Caption(1, CAnnunciatorDlg::kAmber), QString("\nBIT0 = 1\nBIT1 = 1"));
  EXPECT_EQ(dialog.Caption(1, CAnnunciatorDlg::kGreen), QString("\nBIT0 = 0\nBIT1 = 1"));
  EXPECT_EQ(dialog.Caption(2, CAnnunciatorDlg::kGreen), QString("\nBIT2 = 0\nBIT3 = 1"));
  EXPECT_EQ(dialog.Caption(3, CAnnunciatorDlg::kRed), QString("\nBIT4 = 1\nBIT5 = 0"));
  const QColor colours[] = {QColor(255, 255, 255), QColor(255, 0, 0), QColor(254, 199, 84), QColor(0, 255, 0)};
  for (int lamp = 1; lamp <= 3; ++lamp) {
    QString low = QString("BIT%1").arg(2 * lamp - 2), high = QString("BIT%1").arg(2 * lamp - 1);
    for (int state = 0; state < 4; ++state) {
      QLabel* box = dialog.LampBox(lamp, state);
      ASSERT_NE(box, nullptr);
      QString text = box->text();
      EXPECT_TRUE(text.startsWith(low + " = ")) << text.toStdString();
      EXPECT_TRUE(text.contains("\n" + high + " = ")) << text.toStdString();
      for (int other = 0; other < 6; ++other) {
        if (other / 2 != lamp - 1) {
          EXPECT_FALSE(text.contains(QString("BIT%1").arg(other)));
        }
      }
      EXPECT_EQ(box->palette().color(QPalette::Window), colours[state]);
      EXPECT_TRUE(box->autoFillBackground());
      EXPECT_FALSE(box->accessibleName().isEmpty());
      EXPECT_EQ(box->accessibleDescription(), text.replace('\n', " / "));  // what the box shows
    }
  }
}

TEST_F(AnnunciatorDlgTest, TheEntryIsLabelledPerVariantAndShowsTheStoredWord) {
  CPLCAnnunciatorDlg plc(project);
  auto* label = plc.findChild<QLabel*>("entryLabel");
  EXPECT_EQ(label->text(), QString("&PLC Read Word (Bits) :"));
  EXPECT_EQ(label->buddy(), Edit(plc));
  EXPECT_EQ(Edit(plc)->accessibleName(), QString("PLC Read Word (Bits)"));
  EXPECT_EQ(Edit(plc)->text(), QString("V2002"));
  QAbstractButton* help = Buttons(plc)->button(QDialogButtonBox::Help);
  EXPECT_TRUE(help->isEnabled());
  EXPECT_EQ(help->property("helpTopic").toString(), QString("annunciator.html"));

  MakeTagProject(kPanelQM210K);
  Panel().annunciatorWord.tagName = "LAMPS";
  Panel().annunciatorWord.address = "V2000,5,1";
  CPNRAnnunciatorDlg tags(project);
  auto* tagLabel = tags.findChild<QLabel*>("entryLabel");
  auto* combo = tags.findChild<CPlannRunCombo*>("entryField");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(tagLabel->text(), QString("&Annunciator (Bit Read) Tag Name :"));
  EXPECT_EQ(tagLabel->buddy(), combo);
  EXPECT_EQ(combo->currentText(), QString("LAMPS"));
  ShowActive(tags);
  QTest::keyClick(&tags, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), combo);
}

TEST_F(AnnunciatorDlgTest, OkStoresTheRebuiltAddress) {
  CPLCAnnunciatorDlg dialog(project);
  ShowActive(dialog);
  Retype(Edit(dialog), "v02003");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Panel().annunciatorWord.address, "V2003");
  EXPECT_EQ(Panel().annunciatorWord.tagName, "");
  EXPECT_EQ(Panel().annunciatorWord.encodedAddress, (std::vector<uint8_t>{1, 0, 0x04, 0x03}));
  EXPECT_EQ(Edit(dialog)->text(), QString("V2003"));  // reloaded from the record
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AnnunciatorDlgTest, AnEmptyEntryIsAcceptedWithoutTheLibrary) {
  project.plcLibrary.reset();  // any use of the library would now report P001
  CPLCAnnunciatorDlg dialog(project);
  ShowActive(dialog);
  Retype(Edit(dialog), "");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(Panel().annunciatorWord.IsEmpty());
  EXPECT_TRUE(Panel().annunciatorWord.encodedAddress.empty());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AnnunciatorDlgTest, ATypedAddressIsStoredAsTheLibraryWritesIt) {
  CPLCAnnunciatorDlg dialog(project);
  ShowActive(dialog);
  Retype(Edit(dialog), "v2004");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Panel().annunciatorWord.tagName, "");
  EXPECT_EQ(Panel().annunciatorWord.address, "V2004");
}

TEST_F(AnnunciatorDlgTest, ABitAddressIsRefusedAndCancelThenLeavesTheWordAlone) {
  std::string before = Saved();
  CPLCAnnunciatorDlg dialog(project);
  ShowActive(dialog);
  Retype(Edit(dialog), "X10");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error Z007: Discrete addresses are not allowed here."}));
  EXPECT_EQ(dialog.focusWidget(), Edit(dialog));
  EXPECT_EQ(Edit(dialog)->selectedText(), QString("X10"));
  EXPECT_EQ(Panel().annunciatorWord.address, "V2002");
  Click(Buttons(dialog), QDialogButtonBox::Cancel);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Saved(), before);
}

TEST_F(AnnunciatorDlgTest, WithoutAValidationEntryPointTheLibraryIsBlamed) {
  project.plcLibrary.reset();
  CPLCAnnunciatorDlg dialog(project);
  ShowActive(dialog);
  Retype(Edit(dialog), "V2005");
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 10), "Error P001");
  EXPECT_EQ(Panel().annunciatorWord.address, "V2002");
}

TEST_F(AnnunciatorDlgTest, TheTagVariantKeepsThePickedTagsText) {
  MakeTagProject(kPanelQM210K);
  CPNRAnnunciatorDlg dialog(project);
  ShowActive(dialog);
  auto* combo = dialog.findChild<CPlannRunCombo*>("entryField");
  ChooseByKeys(combo, 3);  // "", INPUTS, KEYS, LAMPS
  ASSERT_EQ(combo->currentText(), QString("LAMPS"));
  Click(Buttons(dialog), QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(ui.Texts());
  EXPECT_EQ(Panel().annunciatorWord.tagName, "LAMPS");
  EXPECT_EQ(Panel().annunciatorWord.address, "V2000,5,1");
  EXPECT_EQ(Panel().annunciatorWord.encodedAddress, (std::vector<uint8_t>{1, 0, 0x04, 0x00}));
}

TEST_F(AnnunciatorDlgTest, TheLauncherReportsOkAndCancel) {
  std::string className;
  testing::WhenModal([&](QDialog& dialog) {
    className = dialog.metaObject()->className();
    Click(Buttons(dialog), QDialogButtonBox::Ok);
  });
  EditorOutcome outcome = CEditorLauncher::Launch(EditorKind::Annunciator, project, nullptr);
  EXPECT_EQ(className, "lumora::gui::CPLCAnnunciatorDlg");
  EXPECT_TRUE(outcome.opened);
  EXPECT_TRUE(outcome.accepted);

  MakeTagProject(kPanelQM210K);
  testing::WhenModal([&](QDialog& dialog) {
    className = dialog.metaObject()->className();
    Click(Buttons(dialog), QDialogButtonBox::Cancel);
  });
  outcome = CEditorLauncher::Launch(EditorKind::Annunciator, project, nullptr);
  EXPECT_EQ(className, "lumora::gui::CPNRAnnunciatorDlg");
  EXPECT_FALSE(outcome.accepted);
}

}  // namespace
}  // namespace lumora::gui
