#include "editors/msg_general_dlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <cstdlib>

#include "editors/address_field.h"
#include "editors/editor_form.h"
#include "editors/help_topics.h"
#include "editors/plc_help.h"
#include "lumora_plc_api.h"
#include "model/interaction.h"
#include "model/project.h"
#include "plc/plc_manager.h"
#include "report/latin1.h"
#include "ui_msg_general_dlg.h"

namespace lumora::gui {
namespace {

constexpr const char* kNotANumberText =
    QT_TRANSLATE_NOOP("lumora::gui::CMsgGeneralDlg", "Please enter an integer.");
constexpr const char* kPasswordRangeText =
    QT_TRANSLATE_NOOP("lumora::gui::CMsgGeneralDlg", "Enter an integer between 0 and 4294967295.");

void FocusAndSelect(QWidget* field) {
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void SelectType(QComboBox* combo, int valueType) {
  int index = combo->findData(valueType);
  combo->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

CMsgGeneralDlg::CMsgGeneralDlg(TQMPanel& panel, const FieldFactory& makeField, const QString& addressHeading,
                               QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MsgGeneralDlg>()), panel_(panel), project_(*panel.project) {
  ui_->setupUi(this);
  ConnectHelpButton(ui_->buttons->button(QDialogButtonBox::Help), kHelpSystemAddresses);
  connect(ui_->formatHelpButton, &QPushButton::clicked, this, [this] { OpenPlcAddressHelp(project_); });
  ui_->addressHeading->setText(addressHeading);
  ui_->plcName->setText(QString::fromLatin1(project_.plcSettings.plcName.c_str()));

  QWidget* placeholders[] = {ui_->line1Field, ui_->line2Field, ui_->line3Field, ui_->line4Field};
  QLabel* labels[] = {ui_->line1Label, ui_->line2Label, ui_->line3Label, ui_->line4Label};
  lineTypes_ = {ui_->line1Type, ui_->line2Type, ui_->line3Type, ui_->line4Type};
  for (size_t i = 0; i < 4; ++i) {
    lineFields_[i] = makeField(placeholders[i]->parentWidget());
    InstallField(placeholders[i], labels[i], lineFields_[i]->Widget());
    const TQMTag& tag = panel_.lineRegisters[i];
    lineFields_[i]->SetReference(tag.tagName, tag.address);
    FillValueTypes(lineTypes_[i]);
    SelectType(lineTypes_[i], tag.valueType);
    // The column heading stands above all four: each box gets its line's name.
    NameByHiddenLabel(lineTypes_[i], tr("%1 data type").arg(AccessibleText(labels[i]->text())));
  }
  passwordField_ = makeField(ui_->passwordRegisterField->parentWidget());
  InstallField(ui_->passwordRegisterField, ui_->passwordRegisterLabel, passwordField_->Widget());
  passwordField_->SetReference(panel_.passwordRegister.tagName, panel_.passwordRegister.address);
  FillValueTypes(ui_->passwordType);
  SelectType(ui_->passwordType, panel_.passwordRegister.valueType);

  ui_->localPassword->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), ui_->localPassword));
  if (panel_.IsKeypadPanel()) ui_->localPassword->setText(QString::number(panel_.localPassword));
  ui_->beeperCheck->setChecked(panel_.beeperEnabled);
  ui_->delayCheck->setChecked(panel_.plcMessageDelay);
  ui_->cursorCheck->setChecked(panel_.cursorOnPlcMessage);
  DisableUnused();
}

CMsgGeneralDlg::~CMsgGeneralDlg() = default;

void CMsgGeneralDlg::DisableUnused() {
  QLabel* labels[] = {ui_->line1Label, ui_->line2Label, ui_->line3Label, ui_->line4Label};
  for (int line = panel_.LineCount() + 1; line <= 4; ++line) {
    size_t i = static_cast<size_t>(line - 1);
    labels[i]->setEnabled(false);
    lineFields_[i]->Widget()->setEnabled(false);
    lineTypes_[i]->setEnabled(false);
  }
  if (!panel_.IsKeypadPanel()) {
    for (QWidget* widget : std::initializer_list<QWidget*>{ui_->localPasswordLabel, ui_->localPassword,
                                                          ui_->passwordTypeLabel, ui_->passwordType}) {
      widget->setEnabled(false);
    }
  }
  // A typed password register is greyed too where the model has no keypad; a tag picker stays open.
  if (!panel_.IsKeypadPanel() && passwordField_->Kind() == AddressKind::Typed) {
    passwordField_->Widget()->setEnabled(false);
    ui_->passwordRegisterLabel->setEnabled(false);
  }
}

bool CMsgGeneralDlg::ReadLocalPassword() {
  if (!panel_.IsKeypadPanel()) return true;  // the field is not in use
  QString text = ui_->localPassword->text().trimmed();
  bool ok = false;
  qulonglong value = text.toULongLong(&ok);
  if (text.isEmpty() || !ok || value > 4294967295ULL) {
    project_.services.Ui().ShowMessage(
        ToLatin1(QCoreApplication::translate("lumora::gui::CMsgGeneralDlg",
                                             text.isEmpty() ? kNotANumberText : kPasswordRangeText)),
        "", MessageIcon::Exclamation);
    FocusAndSelect(ui_->localPassword);
    return false;
  }
  panel_.localPassword = static_cast<uint32_t>(value);
  return true;
}

bool CMsgGeneralDlg::StoreRegister(const std::string& reference, int valueType, TQMTag& tag) {
  TQMTag candidate(&project_);
  candidate.SetEntry(reference);
  candidate.valueType = valueType;
  TQMPlcManager plc(project_.plcLibrary.get(), project_.services.Ui());
  // A picked tag name stays as picked; a typed address becomes the library's rebuilt form.
  bool keepText = KeepsText(passwordField_->Kind());
  if (!plc.ValidateTag(candidate, LUMORA_ACCESS_READ, keepText, project_.plcSettings.addressSize)) {
    return false;
  }
  tag.encodedAddress = candidate.encodedAddress;
  tag.addressAccess = candidate.addressAccess;
  tag.address = candidate.address;
  tag.tagName = candidate.tagName;
  tag.valueType = valueType;
  return true;
}

void CMsgGeneralDlg::accept() {
  if (!ReadLocalPassword()) return;
  panel_.beeperEnabled = ui_->beeperCheck->isChecked();
  panel_.plcMessageDelay = ui_->delayCheck->isChecked();
  panel_.cursorOnPlcMessage = ui_->cursorCheck->isChecked();

  for (int line = 1; line <= 4; ++line) {
    size_t i = static_cast<size_t>(line - 1);
    TQMTag& tag = panel_.lineRegisters[i];
    if (!StoreRegister(lineFields_[i]->Reference(), lineTypes_[i]->currentData().toInt(), tag)) {
      FocusAndSelect(lineFields_[i]->Widget());
      return;
    }
    lineFields_[i]->SetReference(tag.tagName, tag.address);
  }
  if (!StoreRegister(passwordField_->Reference(), ui_->passwordType->currentData().toInt(),
                     panel_.passwordRegister)) {
    FocusAndSelect(passwordField_->Widget());
    return;
  }
  passwordField_->SetReference(panel_.passwordRegister.tagName, panel_.passwordRegister.address);
  QDialog::accept();
}

CPLCGeneralDlg::CPLCGeneralDlg(TQMPanel& panel, QWidget* parent)
    : CMsgGeneralDlg(
          panel, [](QWidget* holder) { return CAddressField::CreateTyped(holder); }, tr("Address"), parent) {}

CPNRGeneralDlg::CPNRGeneralDlg(TQMPanel& panel, QWidget* parent)
    : CMsgGeneralDlg(
          panel,
          [&panel](QWidget* holder) {
            return CAddressField::CreateTagPicker(panel.project->TagMapFor(panel.panelType), holder);
          },
          tr("Tag Name"), parent) {}

}  // namespace lumora::gui
