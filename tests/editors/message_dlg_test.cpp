// The message editor on the demo project with the real Tarvo DL-205 library, driven by keys and clicks.

#include "editors/message_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "editors/panel_preview.h"
#include "editors/parsed_rich_edit.h"
#include "model/plc_environment.h"
#include "model/project_file.h"
#include "model/text_lines.h"
#include "plc/installed_plc_environment.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/temp_dir.h"

namespace lumora::gui {
namespace {

using lumora::testing::RecordingInteraction;

std::string Saved(const TQMProject& project) {
  LineWriter writer;
  project.Save(writer);
  return writer.Text();
}

class MessageDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lumora::testing::LinkStageInto(install, true);
    catalogue.Discover(ui);
    ASSERT_TRUE(OpenProjectFile(project, lumora::testing::StageDir() + "/Project/demo-qm210.lmx"));
    if (!project.plcLibrary) project.ReloadPlcLibrary(project.plcSettings.libraryName);
    ASSERT_TRUE(project.plcLibrary);
    ui.messages.clear();
  }

  template <typename T>
  static T* Child(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(name);
  }
  static QString Row(CMessageDlg& dialog, int row) {
    return dialog.PlcList()->model()->index(row, 0).data().toString();
  }
  static void SelectRow(CMessageDlg& dialog, int row) {
    dialog.PlcList()->setCurrentIndex(dialog.PlcList()->model()->index(row, 0));
  }
  static int CurrentRow(CMessageDlg& dialog) { return dialog.PlcList()->currentIndex().row(); }
  static QString CurrentLocal(CMessageDlg& dialog) {
    return dialog.LocalTree()->currentIndex().data().toString();
  }
  static void Show(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }

  lumora::testing::TempDir dir;
  std::string install = dir.File("install");
  lumora::testing::ScopedInstallDir scoped{install};
  RecordingInteraction ui;
  PlcCatalogue catalogue;
  InstalledPlcEnvironment environment{catalogue, ui};
  TQMProject project{CoreServices{&ui, &environment}};
};

TEST_F(MessageDlgTest, OpensOnTheFirstPlcMessageWithTheListsFilled) {
  CPLCMessageDlg dialog(project);
  EXPECT_EQ(dialog.windowTitle(), QString("Message edit"));
  ASSERT_EQ(dialog.PlcList()->model()->rowCount(), 5);
  EXPECT_EQ(Row(dialog, 0), QString("001: TANK LEVEL  1111 %"));
  EXPECT_EQ(CurrentRow(dialog), 0);
  EXPECT_EQ(dialog.MessageText()->ModelText(), project.Panel(0).messages[0].text);
  const QAbstractItemModel* menu = dialog.LocalTree()->model();
  QModelIndex root = menu->index(0, 0);
  ASSERT_EQ(menu->rowCount(), 1);
  EXPECT_EQ(root.data().toString(), QString("Local Messages"));
  EXPECT_GT(menu->rowCount(root), 0);
  EXPECT_EQ(dialog.PlcList()->accessibleName(), QString("PLC Messages"));
  EXPECT_EQ(dialog.LocalTree()->accessibleName(), QString("Local Messages"));
  EXPECT_EQ(dialog.MessageText()->accessibleName(), QString("Message Text"));
  EXPECT_EQ(Child<QLabel>(&dialog, "messageTextLabel")->buddy(), dialog.MessageText());
  EXPECT_EQ(Child<QLabel>(&dialog, "address1Label")->buddy(), dialog.AddressField(1).Widget());
  // Message 1 has no free number below it.
  EXPECT_FALSE(Child<QPushButton>(&dialog, "insertPlcButton")->isEnabled());
}

TEST_F(MessageDlgTest, AddAndInsertNumberThePlcMessages) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  // 1, 2, 3, 5, 6: after 2 the next free number is 4.
  SelectRow(dialog, 1);
  QTest::mouseClick(Child<QPushButton>(&dialog, "addPlcButton"), Qt::LeftButton);
  EXPECT_EQ(Row(dialog, 3), QString("004: New"));
  EXPECT_EQ(CurrentRow(dialog), 3);
  EXPECT_TRUE(dialog.MessagesModified());
  // Before 6 with 5 in front: no free number, not offered.
  SelectRow(dialog, 5);
  EXPECT_FALSE(Child<QPushButton>(&dialog, "insertPlcButton")->isEnabled());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "totalValue")->text().trimmed().toInt(), 6 + 4);
}

TEST_F(MessageDlgTest, TypingAndEnterApplyTheEdit) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  SelectRow(dialog, 1);  // 002: PUMP SPEED 1111 RPM
  CParsedRichEdit* text = dialog.MessageText();
  text->setFocus();
  QTest::keyClick(text, Qt::Key_End);
  QTest::keyClick(text, Qt::Key_Backspace);
  QTest::keyClick(text, Qt::Key_Backspace);
  QTest::keyClick(text, Qt::Key_Backspace);
  QTest::keyClicks(text, "R/M");
  EXPECT_TRUE(dialog.EditPending());
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_FALSE(dialog.EditPending());
  EXPECT_EQ(Row(dialog, 1), QString("002: PUMP SPEED 1111 R/M"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MessageDlgTest, ANumberAlreadyUsedIsRefusedAndPutBack) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  SelectRow(dialog, 1);
  auto* number = Child<QLineEdit>(&dialog, "numberEdit");
  number->setFocus();
  number->selectAll();
  QTest::keyClicks(number, "5");
  QTest::keyClick(number, Qt::Key_Return);
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], kM002Text);
  EXPECT_EQ(number->text(), QString("2"));
  // A free number: the caution, then the list re-sorts.
  ui.answers.push_back(Answer::Yes);
  number->selectAll();
  QTest::keyClicks(number, "9");
  QTest::keyClick(number, Qt::Key_Return);
  EXPECT_EQ(Row(dialog, 4), QString("009: PUMP SPEED 1111 RPM"));
}

TEST_F(MessageDlgTest, LeavingAnEditAsksFirst) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  QTest::keyClicks(dialog.MessageText(), "X");
  ASSERT_TRUE(dialog.EditPending());
  ui.answers.push_back(Answer::Cancel);
  SelectRow(dialog, 2);
  EXPECT_EQ(CurrentRow(dialog), 0);  // Cancel keeps the message
  EXPECT_EQ(ui.Texts().back(), "You have made changes to the current message. Do you want to save them?");
  ui.answers.push_back(Answer::No);
  SelectRow(dialog, 2);
  EXPECT_EQ(CurrentRow(dialog), 2);
  EXPECT_FALSE(dialog.EditPending());
  EXPECT_EQ(Row(dialog, 0), QString("001: TANK LEVEL  1111 %"));  // discarded
}

TEST_F(MessageDlgTest, EscDoesNothingAndCancelAnsweredNoLeavesTheProjectAsItWas) {
  std::string before = Saved(project);
  auto dialog = std::make_unique<CPLCMessageDlg>(project);
  Show(*dialog);
  QTest::mouseClick(Child<QPushButton>(dialog.get(), "addPlcButton"), Qt::LeftButton);
  QTest::keyClick(dialog->PlcList(), Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());
  ui.answers.push_back(Answer::No);
  QTest::mouseClick(Child<QPushButton>(dialog.get(), "cancelButton"), Qt::LeftButton);
  EXPECT_EQ(ui.Texts().back(), "Do you want to save the changes made to Messages?");
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(Saved(project), before);
}

TEST_F(MessageDlgTest, OkNumbersTheLocalItemsFromTheTop) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  // A new folder at the root, a message in it.
  dialog.LocalTree()->setCurrentIndex(dialog.LocalTree()->model()->index(0, 0));
  QTest::mouseClick(Child<QPushButton>(&dialog, "addFolderButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.MessageText()->MaxLength(), 19);  // a folder: one character less
  QTest::mouseClick(Child<QPushButton>(&dialog, "addLocalButton"), Qt::LeftButton);
  QTest::mouseClick(Child<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const TQMPanel& panel = project.Panel(0);
  int number = 256;
  int locals = 0;
  for (const TQMMessage& message : panel.messages) {
    if (message.isPlcMessage) continue;
    EXPECT_EQ(message.number, number--);
    ++locals;
  }
  EXPECT_EQ(panel.messages.back().level, 1);  // the new message sits in the new folder
  EXPECT_EQ(panel.firstLocalNumber, 7);
  EXPECT_GT(locals, 2);
  EXPECT_EQ(panel.messages.back().panel, &panel);
}

TEST_F(MessageDlgTest, CopyAndPasteCarryTheMessagesFileLines) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  dialog.PlcList()->setFocus();
  QTest::keySequence(dialog.PlcList(), QKeySequence::Copy);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data && data->hasFormat(kMessageClipboardFormat));
  std::string expected;
  project.Panel(0).messages[0].AppendTo(expected);
  EXPECT_EQ(data->data(kMessageClipboardFormat).toStdString(), expected);
  SelectRow(dialog, 4);  // 006
  QTest::keySequence(dialog.PlcList(), QKeySequence::Paste);
  ASSERT_EQ(dialog.PlcList()->model()->rowCount(), 6);
  EXPECT_EQ(Row(dialog, 5), QString("007: TANK LEVEL  1111 %"));
  // The pasted address went through the library again.
  const TQMMessage& pasted = dialog.WorkingPanel().messages[5];
  EXPECT_EQ(pasted.data1.address, project.Panel(0).messages[0].data1.address);
  EXPECT_FALSE(pasted.data1.encodedAddress.empty());
}

TEST_F(MessageDlgTest, CutInTheTreeRemovesWithoutAskingAndPasteBringsItBack) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  auto locals = [&dialog] {
    int count = 0;
    for (const TQMMessage& message : dialog.WorkingPanel().messages) count += message.isPlcMessage == 0;
    return count;
  };
  int before = locals();
  // The first item without children: a message.
  const QAbstractItemModel* menu = dialog.LocalTree()->model();
  QModelIndex item = menu->index(0, 0);
  while (item.isValid() && menu->rowCount(item) > 0) item = menu->index(0, 0, item);
  ASSERT_TRUE(item.isValid());
  QString text = item.data().toString();
  dialog.LocalTree()->setCurrentIndex(item);
  dialog.LocalTree()->setFocus();
  QTest::keySequence(dialog.LocalTree(), QKeySequence::Cut);
  EXPECT_EQ(locals(), before - 1);
  EXPECT_TRUE(ui.messages.empty());
  QTest::keySequence(dialog.LocalTree(), QKeySequence::Paste);
  EXPECT_EQ(locals(), before);
  EXPECT_EQ(CurrentLocal(dialog), text);
}

TEST_F(MessageDlgTest, ThePreviewFollowsTheTyping) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  QString shown = dialog.Preview()->DisplayText();
  EXPECT_TRUE(shown.startsWith("TANK LEVEL ")) << shown.toStdString();
  EXPECT_FALSE(shown.contains("1111")) << "sample digits stand in for the data positions";
  dialog.MessageText()->setFocus();
  QTest::keyClick(dialog.MessageText(), Qt::Key_Home);
  QTest::keyClicks(dialog.MessageText(), "X");
  EXPECT_TRUE(dialog.Preview()->DisplayText().startsWith("XTANK LEVEL"))
      << dialog.Preview()->DisplayText().toStdString() << " / " << dialog.MessageText()->ModelText();
  EXPECT_EQ(dialog.Preview()->accessibleName(), QString("Message Preview"));
}

TEST_F(MessageDlgTest, ARefusedAddressKeepsTheEditAndFocusesItsField) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  auto* address = qobject_cast<QLineEdit*>(dialog.AddressField(1).Widget());
  ASSERT_NE(address, nullptr);
  address->setFocus();
  address->selectAll();
  QTest::keyClicks(address, "NOWHERE");
  QTest::keyClick(address, Qt::Key_Return);
  EXPECT_TRUE(dialog.EditPending());
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(QApplication::focusWidget(), address);
  EXPECT_EQ(dialog.WorkingPanel().messages[0].data1.address, project.Panel(0).messages[0].data1.address);
}

TEST_F(MessageDlgTest, ACsvTableGoesOutAndComesBackInPlaceOfTheWorkingList) {
  CPLCMessageDlg dialog(project);
  Show(dialog);
  const std::string before = Saved(project);
  const std::string table = dir.File("messages.csv");
  ui.saveFiles = {table};
  QTest::mouseClick(Child<QPushButton>(&dialog, "exportCsvButton"), Qt::LeftButton);
  std::string csv = lumora::testing::TempDir::Read(table);
  ASSERT_NE(csv.find("\r\nPLC,1,,no,TANK LEVEL  {1:4} %,V2000,"), std::string::npos) << csv;

  // A refused table is listed row by row and changes nothing.
  std::string bad = csv;
  bad.replace(bad.find("PLC,2,"), 6, "PLC,1,");
  ui.openFiles = {dir.Write("bad.csv", bad)};
  QTest::mouseClick(Child<QPushButton>(&dialog, "importCsvButton"), Qt::LeftButton);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("\nRow 3, Number: message number 1 is also on row 2"), std::string::npos)
      << ui.messages[0].text;
  EXPECT_FALSE(dialog.MessagesModified());

  // A good one replaces the working list; OK then changes the project.
  csv.replace(csv.find("TANK LEVEL "), 11, "TANK VOLUME");
  ui.openFiles = {dir.Write("good.csv", csv)};
  QTest::mouseClick(Child<QPushButton>(&dialog, "importCsvButton"), Qt::LeftButton);
  EXPECT_EQ(Row(dialog, 0), QString("001: TANK VOLUME 1111 %"));
  EXPECT_TRUE(dialog.MessagesModified());
  EXPECT_EQ(Saved(project), before);
  dialog.accept();
  EXPECT_EQ(project.Panel(0).messages[0].text, "TANK VOLUME \xFF\xFF\xFF\xFF %");
}

}  // namespace
}  // namespace lumora::gui
