#include "editors/sp_config_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTableView>

#include "editor_fixture.h"
#include "editors/editor_form.h"
#include "editors/editor_launcher.h"
#include "editors/panel_preview.h"
#include "editors/plannrun_combo.h"
#include "model/editing_rules.h"
#include "model/set_point_list.h"
#include "shell/app_settings.h"
#include "support/sample_projects.h"

namespace lumora::gui {
namespace {

using testing::EditorFixture;

// A set point as the panel program stores it.
TQMMessage SetPoint(TQMPanel& panel, int number, const std::string& text, const std::string& address) {
  TQMMessage message(panel.project, &panel);
  message.number = number;
  message.isPlcMessage = 1;
  message.hasSetPoint = true;
  message.text = text;
  message.data1.limitsEnabled = true;
  if (!address.empty()) testing::SetTarvoAddress(message.data1, address, kBcd16);
  return message;
}

class SPConfigDlgTest : public EditorFixture {
 protected:
  void SetUp() override { MakeProject(kPanelQMSV); }

  template <typename T>
  static T* Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static QLineEdit* Edit(QDialog& dialog, const char* name) { return Child<QLineEdit>(dialog, name); }
  static QPushButton* Button(QDialog& dialog, const char* name) { return Child<QPushButton>(dialog, name); }
  static void Retype(QWidget* edit, const QString& text) {
    edit->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(edit)) line->selectAll();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  // Types a number into the number box and presses Select.
  static void SelectNumber(CSPConfigDlg& dialog, const QString& number) {
    QLineEdit* box = dialog.NumberBox()->lineEdit();
    Retype(box, number);
    QTest::mouseClick(Button(dialog, "selectButton"), Qt::LeftButton);
  }
  static void ClickRow(CSPConfigDlg& dialog, int row) {
    QTableView* list = dialog.MessageList();
    QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  }
  static QLineEdit* TypedField(CSPConfigDlg& dialog, CSPConfigDlg::Field field) {
    return qobject_cast<QLineEdit*>(dialog.AddressField(field).Widget());
  }
  static QString Cell(CSPConfigDlg& dialog, int row, int column) {
    return dialog.MessageList()->model()->index(row, column).data().toString();
  }
  void AddTwo() {
    Panel().messages.push_back(SetPoint(Panel(), 5, "OVEN TEMP", "V2000"));
    Panel().messages.push_back(SetPoint(Panel(), 2, "LINE SPEED", ""));
    Panel().messages.back().data1.valueType = kBinary32;
    Panel().messages.back().data1.accessType = kReadOnly;
    Panel().messages.back().data1.fixedDecimals = 2;
    Panel().firstLocalNumber = 2;
  }
};

TEST_F(SPConfigDlgTest, OpensWithThePanelsMessagesInItsOrderAndEveryFieldNamed) {
  AddTwo();
  testing::SetTarvoAddress(Panel().lineRegisters[0], "V2010", kBinary16);
  Panel().beeperEnabled = false;
  CPLCSPConfigDlg dialog(project);
  QTableView* list = dialog.MessageList();
  ASSERT_EQ(list->model()->rowCount(), 2);
  const char* headings[] = {"Msg #", "Display Method", "DataType/WordSize", "Decimal Point Fixed/Variable",
                            "Set Point Value PLC Address", "Variable Dec Point PLC Address"};
  for (int column = 0; column < 6; ++column)
    EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), headings[column]);
  EXPECT_EQ(Cell(dialog, 0, 0), "005");
  EXPECT_EQ(Cell(dialog, 0, 1), "Read/Write");
  EXPECT_EQ(Cell(dialog, 0, 2), "BCD/Int 16");
  EXPECT_EQ(Cell(dialog, 0, 3), "none");
  EXPECT_EQ(Cell(dialog, 0, 4), "V2000");
  EXPECT_EQ(Cell(dialog, 1, 0), "002");
  EXPECT_EQ(Cell(dialog, 1, 1), "Read only");
  EXPECT_EQ(Cell(dialog, 1, 2), "Binary/Int 32");
  EXPECT_EQ(Cell(dialog, 1, 3), "Fixed - 2");
  EXPECT_EQ(list->model()->index(1, 0).data(Qt::UserRole).toInt(), 2);
  EXPECT_EQ(dialog.NumberBox()->count(), 2);
  EXPECT_EQ(dialog.NumberBox()->itemText(0), "005");
  EXPECT_EQ(Edit(dialog, "totalValue")->text(), "2");
  EXPECT_TRUE(Child<QCheckBox>(dialog, "selectionCheck")->isChecked());
  EXPECT_EQ(TypedField(dialog, CSPConfigDlg::SelectionAddress)->text(), "V2010");
  EXPECT_EQ(Child<QComboBox>(dialog, "selectionTypeBox")->currentText(), "Binary/Int 16");
  EXPECT_TRUE(Child<QRadioButton>(dialog, "beeperNo")->isChecked());
  EXPECT_EQ(Child<QComboBox>(dialog, "typeBox")->itemText(1), "BCD/Int 32");
  EXPECT_EQ(Child<QComboBox>(dialog, "decimalBox")->itemText(8), "Variable");
  EXPECT_EQ(Child<QComboBox>(dialog, "decimalBox")->itemText(3), "Fixed - 3");
  EXPECT_EQ(list->accessibleName(), "Set Point Messages");

  // Each labelled field has its label as buddy; buttons are unique.
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->objectName() == "lengthLabel" || label->text().isEmpty()) continue;
    EXPECT_NE(label->buddy(), nullptr) << label->objectName().toStdString();
  }
  EXPECT_FALSE(dialog.NumberBox()->accessibleName().isEmpty());
  QStringList captions;
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    EXPECT_FALSE(captions.contains(button->text())) << button->text().toStdString();
    captions << button->text();
  }
}

TEST_F(SPConfigDlgTest, TheDescriptionTakesSixteenCharactersAndCountsThem) {
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  SelectNumber(dialog, "1");
  QLineEdit* description = Edit(dialog, "descriptionEdit");
  QTest::keyClicks(description, "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(description->text(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(Child<QLabel>(dialog, "lengthLabel")->text(), "Message length: 16");
  QTest::keyClick(description, Qt::Key_Backspace);
  EXPECT_EQ(Child<QLabel>(dialog, "lengthLabel")->text(), "Message length: 15");
  EXPECT_TRUE(dialog.EditChanged());
}

TEST_F(SPConfigDlgTest, ANewNumberIsAppendedAndAnExistingOneUpdatedOkStoresThemAscending) {
  AddTwo();
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);

  // A new number: the empty set-point address needs no library.
  SelectNumber(dialog, "3");
  EXPECT_EQ(dialog.CurrentNumber(), 3);
  EXPECT_FALSE(Button(dialog, "selectButton")->isEnabled());
  EXPECT_TRUE(Button(dialog, "acceptButton")->isEnabled());
  QTest::keyClicks(Edit(dialog, "descriptionEdit"), "PRESSURE");
  ui.messages.clear();
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_TRUE(ui.messages.empty()) << ui.Texts().front();
  ASSERT_EQ(dialog.WorkingList().Count(), 3);
  EXPECT_EQ(dialog.WorkingList().At(2).number, 3);
  EXPECT_EQ(Cell(dialog, 2, 0), "003");
  EXPECT_EQ(dialog.NumberBox()->itemText(2), "003");
  EXPECT_EQ(Edit(dialog, "totalValue")->text(), "3");
  EXPECT_EQ(dialog.MessageList()->selectionModel()->selectedRows().value(0).row(), 2);

  // An existing number: updated in place, its row rewritten; the address is checked and rebuilt.
  ClickRow(dialog, 0);
  EXPECT_EQ(dialog.CurrentNumber(), 5);
  EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), "OVEN TEMP");
  Retype(TypedField(dialog, CSPConfigDlg::SetPointAddress), "v2004");
  EXPECT_TRUE(dialog.EditChanged());
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.WorkingList().Count(), 3);
  EXPECT_EQ(dialog.WorkingList().At(0).data1.address, "V2004");
  EXPECT_EQ(Cell(dialog, 0, 4), "V2004");
  EXPECT_EQ(TypedField(dialog, CSPConfigDlg::SetPointAddress)->text(), "V2004");

  QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(Panel().messages.size(), 3u);
  EXPECT_EQ(Panel().messages[0].number, 2);
  EXPECT_EQ(Panel().messages[1].number, 3);
  EXPECT_EQ(Panel().messages[2].number, 5);
  EXPECT_EQ(Panel().firstLocalNumber, 2);
  const TQMMessage& added = Panel().messages[1];
  EXPECT_EQ(added.text, "PRESSURE");
  EXPECT_TRUE(added.hasSetPoint);
  EXPECT_EQ(added.isPlcMessage, 1);
  EXPECT_TRUE(added.data1.limitsEnabled);
  EXPECT_EQ(added.data1.maxValue, 9999);
  EXPECT_EQ(added.panel, &Panel());
  EXPECT_TRUE(ValidateProject(project, project.plcSettings.addressSize).empty());
}

TEST_F(SPConfigDlgTest, LimitsFollowTheDataTypeAndReadOnlyKeepsThem) {
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  SelectNumber(dialog, "1");
  QComboBox* type = Child<QComboBox>(dialog, "typeBox");
  QLineEdit* maximum = Edit(dialog, "maxEdit");
  QLineEdit* minimum = Edit(dialog, "minEdit");
  // The box lists BCD 16, BCD 32, Binary 16, Binary 32; each choice writes its largest value.
  const char* largest[] = {"9999", "99999999", "65535", "99999999"};
  for (int position = 0; position < 4; ++position) {
    type->setFocus();
    type->setCurrentIndex(position);
    emit type->activated(position);
    EXPECT_EQ(maximum->text(), largest[position]) << position;
  }
  // A refused limit is said and gets the focus.
  Retype(maximum, "100000000");
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_EQ(ui.Texts().back(), "Please enter a number between 0 and 99999999");
  EXPECT_EQ(QApplication::focusWidget(), maximum);
  EXPECT_EQ(dialog.WorkingList().Count(), 0);
  Retype(minimum, "100000000");
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), minimum);

  // Read only: the limits cannot be edited, yet they are stored.
  Retype(minimum, "10");
  Retype(maximum, "20");
  QComboBox* display = Child<QComboBox>(dialog, "displayBox");
  ChooseByKeys(display, 1);
  EXPECT_FALSE(minimum->isEnabled());
  EXPECT_FALSE(maximum->isEnabled());
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  ASSERT_EQ(dialog.WorkingList().Count(), 1);
  EXPECT_EQ(Cell(dialog, 0, 1), "Read only");
  EXPECT_EQ(dialog.WorkingList().At(0).data1.maxValue, 20);
  display->setCurrentIndex(0);
  EXPECT_TRUE(minimum->isEnabled());
}

TEST_F(SPConfigDlgTest, RefusedAddressesKeepTheEditAndFocusTheirField) {
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  SelectNumber(dialog, "4");
  QLineEdit* address = TypedField(dialog, CSPConfigDlg::SetPointAddress);
  Retype(address, "X10");  // a bit: no set point
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_EQ(ui.Texts().back(), kZ007Text);
  EXPECT_EQ(QApplication::focusWidget(), address);
  EXPECT_EQ(dialog.WorkingList().Count(), 0);

  // The decimal point address is asked for with "Variable" only.
  QComboBox* decimal = Child<QComboBox>(dialog, "decimalBox");
  QLineEdit* decimalAddress = TypedField(dialog, CSPConfigDlg::DecimalPointAddress);
  EXPECT_FALSE(decimalAddress->isEnabled());
  decimal->setCurrentIndex(kVariableDecimalPosition);
  EXPECT_TRUE(decimalAddress->isEnabled());
  Retype(address, "V2000");
  Retype(decimalAddress, "X11");
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), decimalAddress);
  EXPECT_EQ(dialog.WorkingList().Count(), 0);
  Retype(decimalAddress, "v2001");
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  ASSERT_EQ(dialog.WorkingList().Count(), 1);
  EXPECT_EQ(Cell(dialog, 0, 3), "Variable");
  EXPECT_EQ(Cell(dialog, 0, 5), "V2001");
  EXPECT_EQ(decimalAddress->text(), "V2001");
  EXPECT_FALSE(dialog.EditChanged());
}

TEST_F(SPConfigDlgTest, ARefusedAcceptLeavesTheEditPendingForOkAndCancel) {
  AddTwo();
  const std::string before = Saved();
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  ClickRow(dialog, 0);
  QTest::keyClicks(Edit(dialog, "descriptionEdit"), "X");
  QLineEdit* maximum = Edit(dialog, "maxEdit");
  Retype(maximum, "10000");
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.EditChanged());
  EXPECT_EQ(QApplication::focusWidget(), maximum);

  // OK refuses the same edit again and stays; nothing reaches the panel.
  size_t shown = ui.messages.size();
  QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ui.messages.size(), shown + 1);
  EXPECT_TRUE(dialog.EditChanged());
  EXPECT_EQ(Saved(), before);

  // Cancel asks about the pending edit.
  ui.answers = {Answer::No};
  QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
  EXPECT_EQ(ui.messages.back().text, kSaveMessagesQuestion);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Saved(), before);
}

TEST_F(SPConfigDlgTest, NumbersOutsideTheRangeAreRefused) {
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  SelectNumber(dialog, "257");
  EXPECT_EQ(ui.Texts().back(), kM004Text);
  EXPECT_EQ(QApplication::focusWidget(), dialog.NumberBox());
  EXPECT_EQ(dialog.CurrentNumber(), 0);
  // Accept without a current number says the same.
  ui.messages.clear();
  dialog.AcceptEdit();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{kM004Text});
}

TEST_F(SPConfigDlgTest, LeavingAChangedMessageAsksFirst) {
  AddTwo();
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  ClickRow(dialog, 0);
  QTest::keyClicks(Edit(dialog, "descriptionEdit"), "X");

  // Cancel: stay on message 5, its row and number kept.
  ui.answers = {Answer::Cancel};
  ClickRow(dialog, 1);
  EXPECT_EQ(ui.messages.back().text, "You have made changes to the current message. Do you want to save them?");
  EXPECT_EQ(dialog.CurrentNumber(), 5);
  EXPECT_EQ(dialog.MessageList()->selectionModel()->selectedRows().value(0).row(), 0);
  EXPECT_EQ(dialog.NumberBox()->currentText(), "005");
  EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), "OVEN TEMPX");

  // No: the change is dropped.
  ui.answers = {Answer::No};
  ClickRow(dialog, 1);
  EXPECT_EQ(dialog.CurrentNumber(), 2);
  EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), "LINE SPEED");
  EXPECT_EQ(dialog.WorkingList().At(0).text, "OVEN TEMP");

  // Yes: stored, then on to the other message.
  QTest::keyClicks(Edit(dialog, "descriptionEdit"), "!");
  ui.answers = {Answer::Yes};
  ClickRow(dialog, 0);
  EXPECT_EQ(dialog.WorkingList().At(1).text, "LINE SPEED!");
  EXPECT_EQ(dialog.CurrentNumber(), 5);
  EXPECT_FALSE(dialog.EditChanged());
}

TEST_F(SPConfigDlgTest, DeleteAsksAndRemovesTheSelectedMessage) {
  AddTwo();
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  QPushButton* remove = Button(dialog, "deleteButton");
  EXPECT_FALSE(remove->isEnabled());
  ClickRow(dialog, 0);
  EXPECT_TRUE(remove->isEnabled());
  ui.answers = {Answer::No};
  QTest::keyClick(dialog.MessageList(), Qt::Key_Delete);
  EXPECT_EQ(ui.messages.back().text, "Delete current message?");
  EXPECT_EQ(dialog.WorkingList().Count(), 2);
  ui.answers = {Answer::Yes};
  QTest::keyClick(dialog.MessageList(), Qt::Key_Delete);
  ASSERT_EQ(dialog.WorkingList().Count(), 1);
  EXPECT_EQ(dialog.WorkingList().At(0).number, 2);
  EXPECT_EQ(dialog.NumberBox()->count(), 1);
  EXPECT_EQ(dialog.CurrentNumber(), 0);
  EXPECT_EQ(Edit(dialog, "totalValue")->text(), "1");
  EXPECT_FALSE(remove->isEnabled());
}

TEST_F(SPConfigDlgTest, CopyAndPasteCarryTheFileLinesAndRevalidate) {
  AddTwo();
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  ClickRow(dialog, 0);
  QTest::keyClick(dialog.MessageList(), Qt::Key_C, Qt::ControlModifier);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data && data->hasFormat(kSetPointClipboardFormat));
  std::string expected;
  Panel().messages[0].AppendTo(expected);
  expected.push_back('\0');
  QByteArray bytes = data->data(kSetPointClipboardFormat);
  EXPECT_EQ(std::string(bytes.constData(), static_cast<size_t>(bytes.size())), expected);

  // Pasted after the selected row's number 5: 6.
  QTest::keyClick(dialog.MessageList(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(dialog.WorkingList().Count(), 3);
  const TQMMessage& pasted = dialog.WorkingList().At(2);
  EXPECT_EQ(pasted.number, 6);
  EXPECT_EQ(pasted.text, "OVEN TEMP");
  EXPECT_EQ(pasted.data1.address, "V2000");
  EXPECT_EQ(dialog.CurrentNumber(), 6);
  EXPECT_TRUE(dialog.AnythingChanged());

  // An address the project's PLC refuses is dropped.
  TQMMessage foreign = SetPoint(Panel(), 9, "FOREIGN", "");
  foreign.data1.address = "X20";
  std::string text;
  foreign.AppendTo(text);
  auto* mime = new QMimeData;
  mime->setData(kSetPointClipboardFormat, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  QApplication::clipboard()->setMimeData(mime);
  QTest::keyClick(dialog.MessageList(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(dialog.WorkingList().Count(), 4);
  EXPECT_EQ(dialog.WorkingList().At(3).number, 7);
  EXPECT_EQ(dialog.WorkingList().At(3).text, "FOREIGN");
  EXPECT_TRUE(dialog.WorkingList().At(3).data1.IsEmpty());

  // Cut: copied, and gone without a question.
  ClickRow(dialog, 1);
  size_t questions = ui.messages.size();
  QTest::keyClick(dialog.MessageList(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(ui.messages.size(), questions);
  EXPECT_EQ(dialog.WorkingList().Count(), 3);
  EXPECT_EQ(dialog.WorkingList().IndexOf(2), -1);
}

TEST_F(SPConfigDlgTest, APasteWithNoFreeNumberAboveIsRefused) {
  for (int number = 1; number <= 255; ++number) Panel().messages.push_back(SetPoint(Panel(), number, "SP", ""));
  Panel().messages.push_back(SetPoint(Panel(), 256, "LAST", ""));
  Panel().messages.erase(Panel().messages.begin() + 99);  // 100 is free, but below
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  ClickRow(dialog, dialog.WorkingList().Count() - 1);
  QTest::keyClick(dialog.MessageList(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(dialog.MessageList(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ui.Texts().back(), "Error M003: Cannot add a message with message number greater than 256.");
  EXPECT_EQ(dialog.WorkingList().Count(), 255);
}

TEST_F(SPConfigDlgTest, OkWithAnEmptyListStoresNoneAndTheSelectionRegister) {
  AddTwo();
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  for (int i = 0; i < 2; ++i) {
    ClickRow(dialog, 0);
    ui.answers = {Answer::Yes};
    QTest::mouseClick(Button(dialog, "deleteButton"), Qt::LeftButton);
  }
  EXPECT_EQ(dialog.WorkingList().Count(), 0);

  // The message-selection register: a bit address is refused and nothing is stored.
  QCheckBox* selection = Child<QCheckBox>(dialog, "selectionCheck");
  QTest::mouseClick(selection, Qt::LeftButton);
  QLineEdit* selectionAddress = TypedField(dialog, CSPConfigDlg::SelectionAddress);
  EXPECT_TRUE(selectionAddress->isEnabled());
  Retype(selectionAddress, "X1");
  QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), selectionAddress);
  EXPECT_EQ(Panel().messages.size(), 2u);

  Retype(selectionAddress, "V2100");
  Child<QComboBox>(dialog, "selectionTypeBox")->setCurrentIndex(1);
  QTest::mouseClick(Child<QRadioButton>(dialog, "beeperNo"), Qt::LeftButton);
  QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(Panel().messages.empty());
  EXPECT_EQ(Panel().firstLocalNumber, 0);
  EXPECT_EQ(Panel().lineRegisters[0].address, "V2100");
  EXPECT_EQ(Panel().lineRegisters[0].valueType, kBinary16);
  EXPECT_FALSE(Panel().lineRegisters[0].encodedAddress.empty());
  EXPECT_FALSE(Panel().beeperEnabled);
}

TEST_F(SPConfigDlgTest, CancelAsksOnlyAfterAChangeAndNoLeavesTheProjectAlone) {
  AddTwo();
  const std::string before = Saved();
  {
    CPLCSPConfigDlg dialog(project);
    dialog.reject();
    EXPECT_TRUE(ui.messages.empty());
  }
  {
    CPLCSPConfigDlg dialog(project);
    ShowActive(dialog);
    ClickRow(dialog, 0);
    QTest::keyClicks(Edit(dialog, "descriptionEdit"), "Z");
    QTest::mouseClick(Child<QCheckBox>(dialog, "selectionCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QRadioButton>(dialog, "beeperNo"), Qt::LeftButton);
    ui.answers = {Answer::Cancel};
    QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(ui.messages.back().text, "Do you want to save the changes made to Messages?");
    EXPECT_TRUE(dialog.isVisible());
    ui.answers = {Answer::No};
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_EQ(Saved(), before);

  // Yes stores everything and still leaves with Cancel.
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  ClickRow(dialog, 1);
  Retype(Edit(dialog, "descriptionEdit"), "SPEED");
  ui.answers = {Answer::Yes};
  QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Panel().messages[0].text, "SPEED");
  EXPECT_EQ(Panel().messages[0].number, 2);
}

TEST_F(SPConfigDlgTest, ColumnWidthsComeFromAndGoBackToTheUserSettings) {
  UserSettings settings;
  settings.SetSetPointColumnWidth(1, 150);
  settings.SetSetPointColumnWidth(2, 100);
  settings.Sync();
  CPLCSPConfigDlg dialog(project);
  EXPECT_EQ(dialog.MessageList()->columnWidth(1), 150);
  EXPECT_EQ(dialog.MessageList()->columnWidth(5), UserSettings().SetPointColumnWidth(5));
  dialog.MessageList()->setColumnWidth(2, 180);
  dialog.accept();
  EXPECT_EQ(UserSettings().SetPointColumnWidth(2), 180);
}

TEST_F(SPConfigDlgTest, TheDefaultButtonFollowsTheFocus) {
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  dialog.NumberBox()->setFocus();
  EXPECT_TRUE(Button(dialog, "selectButton")->isDefault());
  Edit(dialog, "minEdit")->setFocus();
  EXPECT_TRUE(Button(dialog, "acceptButton")->isDefault());
  EXPECT_FALSE(Button(dialog, "selectButton")->isDefault());
  TypedField(dialog, CSPConfigDlg::SelectionAddress)->setEnabled(true);
  TypedField(dialog, CSPConfigDlg::SelectionAddress)->setFocus();
  EXPECT_TRUE(Button(dialog, "okButton")->isDefault());

  // Enter in the number box selects; Enter in a field accepts.
  dialog.NumberBox()->lineEdit()->setFocus();
  QTest::keyClicks(dialog.NumberBox()->lineEdit(), "12");
  QTest::keyClick(dialog.NumberBox()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog.CurrentNumber(), 12);
  Edit(dialog, "descriptionEdit")->setFocus();
  QTest::keyClicks(Edit(dialog, "descriptionEdit"), "FLOW");
  QTest::keyClick(Edit(dialog, "descriptionEdit"), Qt::Key_Return);
  ASSERT_EQ(dialog.WorkingList().Count(), 1);
  EXPECT_EQ(dialog.WorkingList().At(0).text, "FLOW");
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SPConfigDlgTest, ThePreviewShowsTheDescriptionAndTheValueWithItsDecimalPoint) {
  CPLCSPConfigDlg dialog(project);
  ShowActive(dialog);
  SelectNumber(dialog, "1");
  QTest::keyClicks(Edit(dialog, "descriptionEdit"), "TANK LEVEL");
  Retype(Edit(dialog, "maxEdit"), "1250");
  Child<QComboBox>(dialog, "decimalBox")->setCurrentIndex(2);
  QStringList lines = dialog.Preview()->Lines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "TANK LEVEL      ");
  EXPECT_EQ(lines[1], "12.50");
  Child<QComboBox>(dialog, "decimalBox")->setCurrentIndex(5);
  EXPECT_EQ(dialog.Preview()->Lines()[1], "0.01250");
  EXPECT_TRUE(dialog.Preview()->DisplayText().contains("TANK LEVEL"));
}

TEST_F(SPConfigDlgTest, TagNamesAreStoredAsPicked) {
  MakeTagProject(kPanelQMSV);
  project.setPointTagMap.entries["SETPOINT"] = "V3000,5,1";
  project.setPointTagMap.entries["DECIMALS"] = "V3001,5,1";
  CPNRSPConfigDlg dialog(project);
  ShowActive(dialog);
  auto* picker = qobject_cast<CPlannRunCombo*>(dialog.AddressField(CSPConfigDlg::SetPointAddress).Widget());
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->accessibleName(), "Set Point Value PLC Address");
  SelectNumber(dialog, "8");
  ASSERT_TRUE(picker->SelectByText("SETPOINT"));
  emit picker->activated(picker->currentIndex());
  EXPECT_TRUE(dialog.EditChanged());
  QTest::mouseClick(Button(dialog, "acceptButton"), Qt::LeftButton);
  ASSERT_EQ(dialog.WorkingList().Count(), 1) << (ui.messages.empty() ? "" : ui.Texts().back());
  EXPECT_EQ(dialog.WorkingList().At(0).data1.tagName, "SETPOINT");
  EXPECT_EQ(dialog.WorkingList().At(0).data1.address, "V3000,5,1");  // as the map gives it
}

TEST_F(SPConfigDlgTest, TheMessagesLauncherOpensTheSetPointConfiguration) {
  AddTwo();
  testing::WhenModal([](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "plcSPConfigDlg");
    dialog.accept();
  });
  EditorOutcome outcome = CEditorLauncher::Launch(EditorKind::SetPoints, project, nullptr);
  EXPECT_TRUE(outcome.opened);
  EXPECT_TRUE(outcome.accepted);
}

TEST_F(SPConfigDlgTest, ACsvTableGoesOutAndComesBackInPlaceOfTheWorkingList) {
  AddTwo();
  CPLCSPConfigDlg dialog(project);
  const std::string before = Saved();
  const std::string table = temp.File("set-points.csv");
  ui.saveFiles = {table};
  QTest::mouseClick(Button(dialog, "exportCsvButton"), Qt::LeftButton);
  std::string csv = testing::TempDir::Read(table);
  ASSERT_NE(csv.find("\r\nSetPoint,2,,no,LINE SPEED,,,Binary/Int 32,Read only,yes,0,9999,none,Fixed - 2,"),
            std::string::npos)
      << csv;
  csv.replace(csv.find("SetPoint,5,"), 11, "SetPoint,7,");
  ui.openFiles = {temp.Write("in.csv", csv)};
  QTest::mouseClick(Button(dialog, "importCsvButton"), Qt::LeftButton);
  EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
  ASSERT_EQ(dialog.MessageList()->model()->rowCount(), 2);
  EXPECT_EQ(Cell(dialog, 1, 0), QString("007"));
  EXPECT_EQ(Saved(), before);
  dialog.accept();
  EXPECT_EQ(Panel().messages[1].number, 7);
}

}  // namespace
}  // namespace lumora::gui
