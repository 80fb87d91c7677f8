#include "editors/sp_config_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTableView>

#include "editors/editor_form.h"
#include "editors/editor_keys.h"
#include "editors/help_topics.h"
#include "editors/panel_preview.h"
#include "editors/plc_help.h"
#include "editors/set_point_table_model.h"
#include "model/clipboard_form.h"
#include "model/editing_rules.h"
#include "model/interaction.h"
#include "model/project.h"
#include "model/set_point_edit.h"
#include "plc/plc_address_check.h"
#include "report/latin1.h"
#include "ui_sp_config_dlg.h"

namespace lumora::gui {
namespace {

constexpr int kDataTypePositions = 4;

}  // namespace

bool CSPConfigDlg::KeepsAddressText() const { return KeepsText(fields_[0]->Kind()); }

CSPConfigDlg::CSPConfigDlg(TQMProject& project, const FieldFactory& makeField, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SPConfigDlg>()),
      project_(project),
      panel_(*project.CurrentPanel()),
      list_(panel_) {
  ui_->setupUi(this);

  QWidget* placeholders[] = {ui_->addressField, ui_->decimalAddressField, ui_->selectionAddressField};
  QLabel* labels[] = {ui_->addressLabel, ui_->decimalAddressLabel, ui_->selectionAddressLabel};
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = makeField(placeholders[i]->parentWidget());
    InstallField(placeholders[i], labels[i], fields_[i]->Widget());
  }
  ConnectFieldEdited(fields_[SetPointAddress]->Widget(), this, [this] { SetEditChanged(); });
  ConnectFieldEdited(fields_[DecimalPointAddress]->Widget(), this, [this] { SetEditChanged(); });
  // The message-selection register belongs to the panel's set-up, not to the message being edited.
  ConnectFieldEdited(fields_[SelectionAddress]->Widget(), this, [this] { setupChanged_ = true; });

  ui_->numberBox->setInsertPolicy(QComboBox::NoInsert);
  ui_->numberBox->lineEdit()->setMaxLength(3);
  ui_->numberBox->lineEdit()->setAccessibleName(tr("Select Message Number"));
  ui_->numberBox->lineEdit()->installEventFilter(this);
  ui_->descriptionEdit->setMaxLength(kSetPointDescriptionLength);
  // Only what the panel's character set can show.
  ui_->descriptionEdit->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]*"), ui_->descriptionEdit));
  for (QLineEdit* edit : {ui_->minEdit, ui_->maxEdit})
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), edit));
  for (int position = 0; position < kDataTypePositions; ++position) {
    int type = SetPointTypeFromPosition(position);
    ui_->typeBox->addItem(CoreText(ValueTypeText(type)), type);
  }
  for (int position = 0; position <= kVariableDecimalPosition; ++position)
    ui_->decimalBox->addItem(FromLatin1(DecimalBoxText(position)));

  model_ = new CSetPointTableModel(list_, this);
  model_->ShowIn(ui_->messageList);
  InstallListActions(ui_->messageList, {kSetPointClipboardFormat, [this] { return SelectedRow().has_value(); },
                                        [this] { OnDelete(); }, [this] { OnCopy(); }, [this] { OnCut(); },
                                        [this] { OnPaste(); }});

  preview_ = new CPanelPreview(this);
  preview_->setObjectName("setPointPreview");
  preview_->setAccessibleName(tr("Set Point Preview"));
  preview_->SetPanelType(kPanelQMSV);
  ui_->previewHost->addWidget(preview_);

  // Opening: the list, the message-selection register, the beeper, empty fields.
  FillList();
  const TQMTag& selection = panel_.lineRegisters[0];
  bool selecting = !selection.address.empty();
  ui_->selectionCheck->setChecked(selecting);
  ui_->selectionTypeBox->setCurrentIndex(selection.valueType == kBinary16 ? 1 : 0);
  fields_[SelectionAddress]->SetReference(selection.tagName, selection.address);
  fields_[SelectionAddress]->Widget()->setEnabled(selecting);
  ui_->selectionTypeBox->setEnabled(selecting);
  ui_->beeperYes->setChecked(panel_.beeperEnabled);
  ui_->beeperNo->setChecked(!panel_.beeperEnabled);
  ShowFields(ClearedSetPointFields(0));
  ui_->numberBox->setCurrentIndex(-1);
  ui_->numberBox->clearEditText();
  ui_->selectButton->setEnabled(false);
  ui_->acceptButton->setEnabled(false);

  connect(ui_->numberBox->lineEdit(), &QLineEdit::textEdited, this, [this] {
    ui_->selectButton->setEnabled(true);
    ui_->acceptButton->setEnabled(false);
  });
  connect(ui_->numberBox, &QComboBox::activated, this, [this](int index) {
    SwitchTo(ui_->numberBox->itemData(index).toInt());
  });
  connect(ui_->selectButton, &QPushButton::clicked, this, &CSPConfigDlg::OnSelect);
  connect(ui_->descriptionEdit, &QLineEdit::textEdited, this, [this] { SetEditChanged(); });
  connect(ui_->descriptionEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
    ui_->lengthLabel->setText(tr("Message length: %1").arg(text.size()));
    UpdatePreview();
  });
  for (QLineEdit* edit : {ui_->minEdit, ui_->maxEdit}) {
    connect(edit, &QLineEdit::textEdited, this, [this] { SetEditChanged(); });
    connect(edit, &QLineEdit::textChanged, this, [this] { UpdatePreview(); });
  }
  connect(ui_->displayBox, &QComboBox::currentIndexChanged, this, &CSPConfigDlg::OnDisplayChosen);
  connect(ui_->typeBox, &QComboBox::activated, this, &CSPConfigDlg::OnTypeChosen);
  connect(ui_->decimalBox, &QComboBox::currentIndexChanged, this, &CSPConfigDlg::OnDecimalChosen);
  connect(ui_->acceptButton, &QPushButton::clicked, this, &CSPConfigDlg::AcceptEdit);
  connect(ui_->deleteButton, &QPushButton::clicked, this, &CSPConfigDlg::OnDelete);
  connect(ui_->messageList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CSPConfigDlg::OnRowSelected);
  connect(ui_->selectionCheck, &QCheckBox::clicked, this, &CSPConfigDlg::OnSelectionToggled);
  for (QRadioButton* beeper : {ui_->beeperYes, ui_->beeperNo})
    connect(beeper, &QRadioButton::clicked, this, [this] { beeperChanged_ = true; });
  connect(ui_->plcHelpButton, &QPushButton::clicked, this, [this] { OpenPlcAddressHelp(project_); });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [] { ShowHelp(kHelpSetPoint); });
  setProperty("helpTopic", QString(kHelpSetPoint));
  connect(ui_->exportCsvButton, &QPushButton::clicked, this, &CSPConfigDlg::OnExportCsv);
  connect(ui_->importCsvButton, &QPushButton::clicked, this, &CSPConfigDlg::OnImportCsv);
  connect(ui_->okButton, &QPushButton::clicked, this, &CSPConfigDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CSPConfigDlg::reject);

  // The default button follows the focus: Select for the number, Accept for the message's fields, OK for
  // the message-selection register.
  DefaultButtonFollowsFocus(this, {{{ui_->numberBox}, ui_->selectButton},
                                   {{ui_->descriptionEdit, ui_->minEdit, ui_->maxEdit, ui_->displayBox, ui_->typeBox,
                                     ui_->decimalBox, fields_[SetPointAddress]->Widget(),
                                     fields_[DecimalPointAddress]->Widget()},
                                    ui_->acceptButton},
                                   {{fields_[SelectionAddress]->Widget(), ui_->selectionTypeBox}, ui_->okButton}});
  UpdateButtons();
}

CSPConfigDlg::~CSPConfigDlg() = default;

QTableView* CSPConfigDlg::MessageList() const {
  return ui_->messageList;
}

QComboBox* CSPConfigDlg::NumberBox() const {
  return ui_->numberBox;
}

Interaction& CSPConfigDlg::Ui() const {
  return project_.services.Ui();
}

// --------------------------------------------------------------------------------------- list and number

void CSPConfigDlg::FillList() {
  ui_->numberBox->clear();
  for (const TQMMessage& message : list_.Messages())
    ui_->numberBox->addItem(QString::fromStdString(SetPointNumberText(message.number)), message.number);
  RefreshTotal();
}

void CSPConfigDlg::RefreshTotal() {
  ui_->totalValue->setText(QString::number(list_.Count()));
}

std::optional<int> CSPConfigDlg::SelectedRow() const {
  const QModelIndexList rows = ui_->messageList->selectionModel()->selectedRows();
  if (rows.size() != 1) return std::nullopt;
  return rows.front().row();
}

void CSPConfigDlg::SelectRow(int row) {
  moving_ = true;
  if (row >= 0) {
    ui_->messageList->selectRow(row);
    ui_->messageList->scrollTo(model_->index(row, 0));
  } else {
    ui_->messageList->clearSelection();
  }
  moving_ = false;
  UpdateButtons();
}

void CSPConfigDlg::ShowNumber(int number) {
  QSignalBlocker quiet(ui_->numberBox);
  int index = list_.IndexOf(number);
  ui_->numberBox->setCurrentIndex(index);
  if (index < 0) {
    if (number > 0)
      ui_->numberBox->setEditText(QString::fromStdString(SetPointNumberText(number)));
    else
      ui_->numberBox->clearEditText();
  }
}

std::optional<int> CSPConfigDlg::TypedNumber() {
  std::optional<int> number = ParseSetPointNumber(ToLatin1(ui_->numberBox->currentText()));
  if (!number) {
    Ui().ShowMessage(ToLatin1(QCoreApplication::translate("Core", kM004Text)), "", MessageIcon::Exclamation);
    ui_->numberBox->setFocus(Qt::OtherFocusReason);
  }
  return number;
}

void CSPConfigDlg::OnSelect() {
  if (std::optional<int> number = TypedNumber()) SwitchTo(*number);
}

void CSPConfigDlg::OnRowSelected() {
  UpdateButtons();
  if (moving_) return;
  std::optional<int> row = SelectedRow();
  if (!row) return;
  SwitchTo(list_.At(*row).number);
}

void CSPConfigDlg::SwitchTo(int number) {
  SetPointSession session{currentNumber_, editChanged_, ReadFields().Blank(), SelectedRow()};
  switch (DecideSetPointSwitch(list_, number, session)) {
    case SetPointSwitch::Stay:
      return;
    case SetPointSwitch::ShowCleared:
      ShowFields(ClearedSetPointFields(number));
      currentNumber_ = number;
      ShowNumber(number);
      ui_->selectButton->setEnabled(false);
      ui_->acceptButton->setEnabled(true);
      return;
    case SetPointSwitch::LeaveEditThenShow:
      break;
  }
  if (!LeaveCurrentEdit()) {
    ShowNumber(currentNumber_);
    SelectRow(list_.IndexOf(currentNumber_));
    return;
  }
  currentNumber_ = number;
  int index = list_.IndexOf(number);  // accepting the old edit may have appended a message
  ShowFields(index >= 0 ? SetPointFieldsOf(list_.At(index)) : ClearedSetPointFields(number));
  SelectRow(index);
  ShowNumber(number);
  ui_->selectButton->setEnabled(false);
  ui_->acceptButton->setEnabled(true);
}

bool CSPConfigDlg::LeaveCurrentEdit() {
  if (!editChanged_) return true;
  if (asking_) return false;
  asking_ = true;
  Answer answer = Ui().Ask(EditorText(kSaveCurrentQuestion), "", MessageButtons::YesNoCancel,
                           MessageIcon::Question, Answer::Yes);
  asking_ = false;
  if (answer == Answer::No) editChanged_ = false;
  return answer == Answer::No || (answer == Answer::Yes && AcceptEdit());
}

// ---------------------------------------------------------------------------------------------- fields

void CSPConfigDlg::SetEditChanged() {
  if (!loading_ && currentNumber_ != 0) editChanged_ = true;
}

void CSPConfigDlg::ShowFields(const SetPointFields& shown) {
  loading_ = true;
  ui_->descriptionEdit->setText(FromLatin1(shown.description));
  ui_->displayBox->setCurrentIndex(shown.readOnly ? 1 : 0);
  ui_->typeBox->setCurrentIndex(shown.typePosition);
  ui_->minEdit->setText(FromLatin1(shown.minimum));
  ui_->maxEdit->setText(FromLatin1(shown.maximum));
  ui_->decimalBox->setCurrentIndex(shown.decimalPosition);
  std::string tag, address;
  SplitReference(shown.valueEntry, tag, address);
  fields_[SetPointAddress]->SetReference(tag, address);
  SplitReference(shown.decimalEntry, tag, address);
  fields_[DecimalPointAddress]->SetReference(tag, address);
  ui_->minEdit->setEnabled(!shown.readOnly);
  ui_->maxEdit->setEnabled(!shown.readOnly);
  fields_[DecimalPointAddress]->Widget()->setEnabled(shown.decimalPosition == kVariableDecimalPosition);
  editChanged_ = false;
  loading_ = false;
  UpdatePreview();
}

void CSPConfigDlg::OnDisplayChosen(int position) {
  bool readWrite = position != 1;
  ui_->minEdit->setEnabled(readWrite);
  ui_->maxEdit->setEnabled(readWrite);
  SetEditChanged();
}

void CSPConfigDlg::OnTypeChosen(int position) {
  ui_->maxEdit->setText(FromLatin1(SetPointMaximumForType(position)));
  SetEditChanged();
}

void CSPConfigDlg::OnDecimalChosen(int position) {
  fields_[DecimalPointAddress]->Widget()->setEnabled(position == kVariableDecimalPosition);
  SetEditChanged();
  UpdatePreview();
}

void CSPConfigDlg::OnSelectionToggled(bool on) {
  fields_[SelectionAddress]->Widget()->setEnabled(on);
  ui_->selectionTypeBox->setEnabled(on);
  if (on) ui_->selectionTypeBox->setCurrentIndex(0);
  setupChanged_ = true;
}

void CSPConfigDlg::UpdateButtons() {
  ui_->deleteButton->setEnabled(SelectedRow().has_value());
}

void CSPConfigDlg::UpdatePreview() {
  if (preview_) preview_->ShowMessage(SetPointPreview(ReadFields()));
}

// -------------------------------------------------------------------------------------------- the edit

SetPointFields CSPConfigDlg::ReadFields() const {
  SetPointFields typed;
  typed.number = currentNumber_;
  typed.description = ToLatin1(ui_->descriptionEdit->text());
  typed.minimum = ToLatin1(ui_->minEdit->text());
  typed.maximum = ToLatin1(ui_->maxEdit->text());
  typed.typePosition = ui_->typeBox->currentIndex();
  typed.readOnly = ui_->displayBox->currentIndex() == kReadOnly;
  typed.decimalPosition = ui_->decimalBox->currentIndex();
  typed.valueEntry = fields_[SetPointAddress]->Reference();
  typed.decimalEntry = fields_[DecimalPointAddress]->Reference();
  return typed;
}

bool CSPConfigDlg::AcceptEdit() {
  PlcAddressCheck check(project_, KeepsAddressText());
  SetPointEdit edit = EditSetPoint(ReadFields(), list_, panel_, check);
  if (!edit.Accepted()) {
    // The edit stays pending: OK, Cancel and the next selection still ask about it.
    if (!edit.refusal.text.empty()) Ui().ShowMessage(edit.refusal.text, "", edit.refusal.icon);
    QWidget* refused[] = {ui_->numberBox, ui_->minEdit, ui_->maxEdit, fields_[SetPointAddress]->Widget(),
                          fields_[DecimalPointAddress]->Widget()};
    QWidget* field = refused[static_cast<int>(edit.refused)];
    field->setFocus(Qt::OtherFocusReason);
    if (edit.refused == SetPointField::Minimum || edit.refused == SetPointField::Maximum)
      static_cast<QLineEdit*>(field)->selectAll();
    return false;
  }

  const int number = edit.message->number;
  SetPointList::Stored stored = list_.Store(*edit.message);
  editChanged_ = false;
  if (stored.appended) {
    model_->RowAppended();
    ui_->numberBox->addItem(QString::fromStdString(SetPointNumberText(number)), number);
    SelectRow(stored.index);
    ShowNumber(number);
  } else {
    model_->RowChanged(stored.index);
  }
  const TQMReadWriteTag& data = list_.At(stored.index).data1;
  fields_[SetPointAddress]->SetReference(data.tagName, data.address);
  fields_[DecimalPointAddress]->SetReference(data.decimalPointTag.tagName, data.decimalPointTag.address);
  RefreshTotal();
  listChanged_ = true;
  return true;
}

void CSPConfigDlg::OnDelete() {
  if (!SelectedRow()) return;
  if (Ui().Ask(EditorText(kDeleteQuestion), "", MessageButtons::YesNo, MessageIcon::Question, Answer::Yes) !=
      Answer::Yes)
    return;
  RemoveNumberInBox();
}

void CSPConfigDlg::RemoveNumberInBox() {
  std::optional<int> number = ParseSetPointNumber(ToLatin1(ui_->numberBox->currentText()));
  int index = number ? list_.IndexOf(*number) : -1;
  if (index < 0) return;
  list_.Remove(*number);
  model_->RowRemoved(index);
  ui_->numberBox->removeItem(index);
  ShowFields(ClearedSetPointFields(0));
  currentNumber_ = 0;
  ShowNumber(0);
  SelectRow(-1);
  listChanged_ = true;
  RefreshTotal();
}

bool CSPConfigDlg::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the number box selects the typed number, whatever button is the default at that moment.
  if (watched == ui_->numberBox->lineEdit() && event->type() == QEvent::KeyPress) {
    int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (ui_->selectButton->isEnabled()) OnSelect();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------------------ OK, Cancel

bool CSPConfigDlg::StoreAll() {
  // Everything is checked before the panel changes, so a refusal leaves the project as it was.
  SetPointSetup setup;
  setup.selecting = ui_->selectionCheck->isChecked();
  setup.selectionTypePosition = ui_->selectionTypeBox->currentIndex();
  setup.selectionEntry = fields_[SelectionAddress]->Reference();
  setup.beeper = ui_->beeperYes->isChecked();
  TQMTag selection(&project_);
  PlcAddressCheck check(project_, KeepsAddressText());
  if (std::optional<AddressRefusal> refusal = CheckSelectionRegister(setup, selection, check)) {
    if (!refusal->text.empty()) Ui().ShowMessage(refusal->text, "", refusal->icon);
    fields_[SelectionAddress]->Widget()->setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (editChanged_ && !AcceptEdit()) return false;
  StoreSetPointPanel(panel_, list_, selection, setup.beeper);
  CSetPointTableModel::SaveColumnWidths(ui_->messageList);
  return true;
}

void CSPConfigDlg::accept() {
  if (StoreAll()) QDialog::accept();
}

void CSPConfigDlg::reject() {
  if (AnythingChanged()) {
    Answer answer = Ui().Ask(EditorText(kSaveMessagesQuestion), "", MessageButtons::YesNoCancel,
                             MessageIcon::Question, Answer::Yes);
    if (answer != Answer::No && (answer != Answer::Yes || !StoreAll())) return;
  }
  QDialog::reject();
}

// ---------------------------------------------------------------- the two ways to open it (address kinds)
CPLCSPConfigDlg::CPLCSPConfigDlg(TQMProject& project, QWidget* parent)
    : CSPConfigDlg(project, [](QWidget* host) { return CAddressField::CreateTyped(host); }, parent) {
  setObjectName("plcSPConfigDlg");
}

CPNRSPConfigDlg::CPNRSPConfigDlg(TQMProject& project, QWidget* parent)
    : CSPConfigDlg(project,
                   [&project](QWidget* h) { return CAddressField::CreateTagPicker(project.TagMapFor(kPanelQMSV), h); },
                   parent) {
  setObjectName("pnrSPConfigDlg");
}

}  // namespace lumora::gui
