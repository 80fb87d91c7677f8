#include "editors/message_fields.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <algorithm>
#include <array>

#include "editors/editor_form.h"
#include "editors/parsed_rich_edit.h"
#include "model/codes.h"
#include "model/editing_rules.h"
#include "model/interaction.h"
#include "model/message.h"
#include "model/project.h"
#include "ui_message_dlg.h"

namespace lumora::gui {

CMessageFields::CMessageFields(Ui::MessageDlg& ui, const TQMPanel& panel,
                               const AddressFieldFactory& makeField, Interaction& interaction,
                               QWidget* dialog)
    : QObject(dialog), ui_(ui), panel_(panel), interaction_(interaction) {
  // The address fields of the variant: typed addresses or tag names.
  QLayout* hosts[] = {ui_.address1Host, ui_.address2Host, ui_.address3Host, ui_.decimalHost};
  QLabel* labels[] = {ui_.address1Label, ui_.address2Label, ui_.address3Label, ui_.decimalAddressLabel};
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = makeField(dialog);
    hosts[i]->addWidget(fields_[i]->Widget());
    labels[i]->setBuddy(fields_[i]->Widget());
    if (fields_[i]->AddressKind() == 1 && i < 3) labels[i]->setText("Tag Name:");
    fields_[i]->Widget()->installEventFilter(dialog);
    if (auto* edit = qobject_cast<QLineEdit*>(fields_[i]->Widget()))
      connect(edit, &QLineEdit::textEdited, this, &CMessageFields::edited);
    if (auto* combo = qobject_cast<QComboBox*>(fields_[i]->Widget()))
      connect(combo, &QComboBox::currentIndexChanged, this, &CMessageFields::edited);
  }
  // The data items' groups repeat their captions; assistive tools name each field with its item.
  const std::array<std::array<QWidget*, 4>, 3> itemFields = {{
      {ui_.type1Label, ui_.access1Label, ui_.leading1Check, fields_[0]->Widget()},
      {ui_.type2Label, ui_.access2Label, ui_.leading2Check, fields_[1]->Widget()},
      {ui_.type3Label, ui_.access3Label, ui_.leading3Check, fields_[2]->Widget()},
  }};
  for (size_t item = 0; item < itemFields.size(); ++item) {
    const QString prefix = QString("Data %1 ").arg(item + 1);
    QLabel* addressLabel = item == 0 ? ui_.address1Label : item == 1 ? ui_.address2Label : ui_.address3Label;
    for (QWidget* widget : itemFields[item]) {
      QString caption = widget == itemFields[item][3] ? addressLabel->text() : widget->property("text").toString();
      widget->setAccessibleName(prefix + AccessibleText(caption));
    }
  }
  fields_[3]->Widget()->setAccessibleName("Decimal Point " + AccessibleText(ui_.decimalAddressLabel->text()));
  for (QComboBox* combo : {ui_.type1Combo, ui_.type2Combo, ui_.type3Combo}) {
    for (int type = kBcd16; type <= kBinary32; ++type)
      combo->addItem(ValueTypeText(type), type);
  }
  ui_.numberEdit->setValidator(new QIntValidator(0, 999, this));
  ui_.minEdit->setValidator(new QIntValidator(0, 2147483647, this));
  ui_.maxEdit->setValidator(new QIntValidator(0, 2147483647, this));
  QFont mono("Liberation Mono");
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSize(12);
  ui_.messageText->setFont(mono);

  connect(ui_.messageText, &CParsedRichEdit::edited, this, &CMessageFields::edited);
  connect(ui_.messageText, &CParsedRichEdit::edited, this, &CMessageFields::shownChanged);
  for (QCheckBox* box : {ui_.leading1Check, ui_.leading2Check, ui_.leading3Check, ui_.decimalCheck})
    connect(box, &QCheckBox::toggled, this, &CMessageFields::shownChanged);
  connect(ui_.messageText, &CParsedRichEdit::lengthChanged, this,
          [this](int length) { ui_.lengthLabel->setText(QString("Message length: %1").arg(length)); });
  connect(ui_.messageText, &CParsedRichEdit::decimalPointRemoved, this, [this] {
    QSignalBlocker quiet(ui_.decimalCheck);
    ui_.decimalCheck->setChecked(false);
  });
  connect(ui_.decimalCheck, &QCheckBox::toggled, this, &CMessageFields::OnDecimalToggled);
  connect(ui_.type1Combo, &QComboBox::currentIndexChanged, this, &CMessageFields::OnType1Changed);
  for (QComboBox* combo :
       {ui_.type2Combo, ui_.type3Combo, ui_.access1Combo, ui_.access2Combo, ui_.access3Combo})
    connect(combo, &QComboBox::currentIndexChanged, this, &CMessageFields::edited);
  for (QLineEdit* edit : {ui_.numberEdit, ui_.minEdit, ui_.maxEdit})
    connect(edit, &QLineEdit::textEdited, this, &CMessageFields::edited);
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           ui_.passwordCheck, ui_.localPasswordRadio, ui_.plcPasswordRadio, ui_.leading1Check,
           ui_.leading2Check, ui_.leading3Check})
    connect(button, &QAbstractButton::toggled, this, &CMessageFields::edited);

  for (QWidget* widget : std::initializer_list<QWidget*>{
           ui_.numberEdit, ui_.minEdit, ui_.maxEdit, ui_.type1Combo, ui_.type2Combo, ui_.type3Combo,
           ui_.access1Combo, ui_.access2Combo, ui_.access3Combo, ui_.passwordCheck, ui_.localPasswordRadio,
           ui_.plcPasswordRadio, ui_.decimalCheck, ui_.leading1Check, ui_.leading2Check, ui_.leading3Check})
    widget->installEventFilter(dialog);
}

CMessageFields::~CMessageFields() = default;

CAddressField& CMessageFields::AddressField(int item) const {
  return *fields_[static_cast<size_t>(std::clamp(item, 1, 4) - 1)];
}

void CMessageFields::Load(const TQMMessage* message, bool plc) {
  showing_ = true;
  ui_.messageText->setEnabled(message != nullptr);
  ui_.numberEdit->setEnabled(message && plc);
  bool data = message && message->isFolder == 0 && IsTextPanelType(panel_.panelType);
  for (QWidget* group : {ui_.data1Group, ui_.data2Group, ui_.data3Group})
    group->setEnabled(data);
  if (!message) {
    Clear();
  } else {
    int chars = panel_.CharsPerMessage();
    ui_.messageText->SetMaxLength(message->isFolder ? chars - 1 : chars);
    ui_.messageText->SetDataAllowed(data);
    Show(FormOf(*message), plc);
  }
  ui_.lengthLabel->setText(QString("Message length: %1").arg(ui_.messageText->Length()));
  type1_ = ui_.type1Combo->currentData().toInt();
  showing_ = false;
}

void CMessageFields::Clear() {
  ui_.messageText->SetModelText("");
  ui_.numberEdit->clear();
  for (auto& field : fields_)
    field->SetReference("", "");
}

void CMessageFields::Show(const MessageForm& form, bool plc) {
  ui_.messageText->SetModelText(form.text);
  ui_.numberEdit->setText(plc ? QString::fromStdString(form.number) : QString());
  QComboBox* types[] = {ui_.type1Combo, ui_.type2Combo, ui_.type3Combo};
  for (size_t i = 0; i < 3; ++i)
    types[i]->setCurrentIndex(std::max(0, types[i]->findData(form.valueTypes[i])));
  ui_.minEdit->setText(QString::fromStdString(form.minimum));
  ui_.maxEdit->setText(QString::fromStdString(form.maximum));
  ui_.access1Combo->setCurrentIndex(form.readOnly ? 1 : 0);
  ui_.access2Combo->setCurrentIndex(0);
  ui_.access3Combo->setCurrentIndex(0);
  ui_.passwordCheck->setChecked(form.passwordProtected);
  ui_.localPasswordRadio->setChecked(!form.plcPassword);
  ui_.plcPasswordRadio->setChecked(form.plcPassword);
  ui_.decimalCheck->setChecked(form.variableDecimal);
  QCheckBox* leading[] = {ui_.leading1Check, ui_.leading2Check, ui_.leading3Check};
  for (size_t i = 0; i < 3; ++i)
    leading[i]->setChecked(form.leadingZeros[i]);
  for (size_t i = 0; i < fields_.size(); ++i) {
    std::string tagName, address;
    SplitReference(form.references[i], tagName, address);
    fields_[i]->SetReference(tagName, address);
  }
}

MessageForm CMessageFields::Read() const {
  MessageForm form;
  form.text = ui_.messageText->ModelText();
  form.number = ui_.numberEdit->text().toStdString();
  form.minimum = ui_.minEdit->text().toStdString();
  form.maximum = ui_.maxEdit->text().toStdString();
  form.valueTypes = {ui_.type1Combo->currentData().toInt(), ui_.type2Combo->currentData().toInt(),
                     ui_.type3Combo->currentData().toInt()};
  form.readOnly = ui_.access1Combo->currentIndex() == 1;
  form.passwordProtected = ui_.passwordCheck->isChecked();
  form.plcPassword = ui_.plcPasswordRadio->isChecked();
  form.variableDecimal = ui_.decimalCheck->isChecked();
  form.leadingZeros = {ui_.leading1Check->isChecked(), ui_.leading2Check->isChecked(),
                       ui_.leading3Check->isChecked()};
  for (size_t i = 0; i < fields_.size(); ++i)
    form.references[i] = fields_[i]->Reference();
  return form;
}

QWidget* CMessageFields::Widget(MessageField field) const {
  switch (field) {
    case MessageField::Minimum:
      return ui_.minEdit;
    case MessageField::Maximum:
      return ui_.maxEdit;
    case MessageField::Number:
      return ui_.numberEdit;
    case MessageField::Address1:
      return fields_[0]->Widget();
    case MessageField::Address2:
      return fields_[1]->Widget();
    case MessageField::Address3:
      return fields_[2]->Widget();
    case MessageField::DecimalAddress:
      return fields_[3]->Widget();
    default:
      return ui_.messageText;
  }
}

TQMMessage CMessageFields::Shown(const TQMMessage& message) const {
  TQMMessage shown = message;
  shown.text = ui_.messageText->ModelText();
  shown.leadingZeros = {ui_.leading1Check->isChecked(), ui_.leading2Check->isChecked(),
                        ui_.leading3Check->isChecked()};
  shown.data1.variableDecimal = ui_.decimalCheck->isChecked();
  return shown;
}

void CMessageFields::OnDecimalToggled(bool on) {
  if (showing_) return;
  if (!ui_.messageText->SetDecimalPoint(on)) {
    QSignalBlocker quiet(ui_.decimalCheck);
    ui_.decimalCheck->setChecked(false);
    interaction_.ShowMessage(kZ005Text, "", MessageIcon::Exclamation);
    return;
  }
  emit edited();
}

void CMessageFields::OnType1Changed() {
  if (showing_) return;
  int type = ui_.type1Combo->currentData().toInt();
  std::string maximum = MaximumForType(panel_, ui_.maxEdit->text().toStdString(), type1_, type);
  ui_.maxEdit->setText(QString::fromStdString(maximum));
  type1_ = type;
  emit edited();
}

}  // namespace lumora::gui
