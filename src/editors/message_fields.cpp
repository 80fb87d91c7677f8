#include "editors/message_fields.h"

#include <QComboBox>
#include <QCoreApplication>
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
#include "report/latin1.h"
#include "ui_data_items.h"
#include "ui_message_dlg.h"

namespace lumora::gui {

CMessageFields::CMessageFields(Ui::MessageDlg& ui, const TQMPanel& panel,
                               const AddressFieldFactory& makeField, Interaction& interaction,
                               QWidget* dialog)
    : QObject(dialog), ui_(ui), items_(std::make_unique<Ui::DataItems>()), panel_(panel), interaction_(interaction) {
  auto* itemsWidget = new QWidget(dialog);
  items_->setupUi(itemsWidget);
  ui_.dataItemsHost->addWidget(itemsWidget);
  // The items follow the message number in the tab order, and the accept button follows them.
  QWidget::setTabOrder(ui_.numberEdit, items_->type1Combo);
  QWidget::setTabOrder(items_->leading3Check, ui_.acceptButton);
  // The address fields of the variant: typed addresses or tag names.
  QLayout* hosts[] = {items_->address1Host, items_->address2Host, items_->address3Host, items_->decimalHost};
  QLabel* labels[] = {items_->address1Label, items_->address2Label, items_->address3Label, items_->decimalAddressLabel};
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = makeField(dialog);
    hosts[i]->addWidget(fields_[i]->Widget());
    labels[i]->setBuddy(fields_[i]->Widget());
    if (fields_[i]->Kind() == AddressKind::TagName && i < 3) labels[i]->setText(tr("Tag Name:"));
    fields_[i]->Widget()->installEventFilter(dialog);
    if (auto* edit = qobject_cast<QLineEdit*>(fields_[i]->Widget()))
      connect(edit, &QLineEdit::textEdited, this, &CMessageFields::edited);
    if (auto* combo = qobject_cast<QComboBox*>(fields_[i]->Widget()))
      connect(combo, &QComboBox::currentIndexChanged, this, &CMessageFields::edited);
  }
  // The data items' groups repeat their captions; assistive tools name each field with its item.
  const std::array<std::array<QWidget*, 4>, 3> itemFields = {{
      {items_->type1Label, items_->access1Label, items_->leading1Check, fields_[0]->Widget()},
      {items_->type2Label, items_->access2Label, items_->leading2Check, fields_[1]->Widget()},
      {items_->type3Label, items_->access3Label, items_->leading3Check, fields_[2]->Widget()},
  }};
  for (size_t item = 0; item < itemFields.size(); ++item) {
    QLabel* addressLabel = item == 0 ? items_->address1Label : item == 1 ? items_->address2Label : items_->address3Label;
    for (QWidget* widget : itemFields[item]) {
      QString caption = widget == itemFields[item][3] ? addressLabel->text() : widget->property("text").toString();
      widget->setAccessibleName(tr("Data %1 %2").arg(QString::number(item + 1), AccessibleText(caption)));
    }
  }
  fields_[3]->Widget()->setAccessibleName(
      tr("Decimal Point %1").arg(AccessibleText(items_->decimalAddressLabel->text())));
  for (QComboBox* combo : {items_->type1Combo, items_->type2Combo, items_->type3Combo}) {
    for (int type = kBcd16; type <= kBinary32; ++type)
      combo->addItem(CoreText(ValueTypeText(type)), type);
  }
  ui_.numberEdit->setValidator(new QIntValidator(0, 999, this));
  items_->minEdit->setValidator(new QIntValidator(0, 2147483647, this));
  items_->maxEdit->setValidator(new QIntValidator(0, 2147483647, this));
  QFont mono("Liberation Mono");
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSize(12);
  ui_.messageText->setFont(mono);

  connect(ui_.messageText, &CParsedRichEdit::edited, this, &CMessageFields::edited);
  connect(ui_.messageText, &CParsedRichEdit::edited, this, &CMessageFields::shownChanged);
  for (QCheckBox* box : {items_->leading1Check, items_->leading2Check, items_->leading3Check, items_->decimalCheck})
    connect(box, &QCheckBox::toggled, this, &CMessageFields::shownChanged);
  connect(ui_.messageText, &CParsedRichEdit::lengthChanged, this,
          [this](int length) { ui_.lengthLabel->setText(tr("Message length: %1").arg(length)); });
  connect(ui_.messageText, &CParsedRichEdit::decimalPointRemoved, this, [this] {
    QSignalBlocker quiet(items_->decimalCheck);
    items_->decimalCheck->setChecked(false);
  });
  connect(items_->decimalCheck, &QCheckBox::toggled, this, &CMessageFields::OnDecimalToggled);
  connect(items_->type1Combo, &QComboBox::currentIndexChanged, this, &CMessageFields::OnType1Changed);
  for (QComboBox* combo :
       {items_->type2Combo, items_->type3Combo, items_->access1Combo, items_->access2Combo, items_->access3Combo})
    connect(combo, &QComboBox::currentIndexChanged, this, &CMessageFields::edited);
  for (QLineEdit* edit : {ui_.numberEdit, items_->minEdit, items_->maxEdit})
    connect(edit, &QLineEdit::textEdited, this, &CMessageFields::edited);
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           items_->passwordCheck, items_->localPasswordRadio, items_->plcPasswordRadio, items_->leading1Check,
           items_->leading2Check, items_->leading3Check})
    connect(button, &QAbstractButton::toggled, this, &CMessageFields::edited);

  for (QWidget* widget : std::initializer_list<QWidget*>{
           ui_.numberEdit, items_->minEdit, items_->maxEdit, items_->type1Combo, items_->type2Combo, items_->type3Combo,
           items_->access1Combo, items_->access2Combo, items_->access3Combo, items_->passwordCheck, items_->localPasswordRadio,
           items_->plcPasswordRadio, items_->decimalCheck, items_->leading1Check, items_->leading2Check, items_->leading3Check})
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
  for (QWidget* group : {items_->data1Group, items_->data2Group, items_->data3Group})
    group->setEnabled(data);
  if (!message) {
    Clear();
  } else {
    int chars = panel_.CharsPerMessage();
    ui_.messageText->SetMaxLength(message->isFolder ? chars - 1 : chars);
    ui_.messageText->SetDataAllowed(data);
    Show(FormOf(*message), plc);
  }
  ui_.lengthLabel->setText(tr("Message length: %1").arg(ui_.messageText->Length()));
  type1_ = items_->type1Combo->currentData().toInt();
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
  QComboBox* types[] = {items_->type1Combo, items_->type2Combo, items_->type3Combo};
  for (size_t i = 0; i < 3; ++i)
    types[i]->setCurrentIndex(std::max(0, types[i]->findData(form.valueTypes[i])));
  items_->minEdit->setText(QString::fromStdString(form.minimum));
  items_->maxEdit->setText(QString::fromStdString(form.maximum));
  items_->access1Combo->setCurrentIndex(form.readOnly ? 1 : 0);
  items_->access2Combo->setCurrentIndex(0);
  items_->access3Combo->setCurrentIndex(0);
  items_->passwordCheck->setChecked(form.passwordProtected);
  items_->localPasswordRadio->setChecked(!form.plcPassword);
  items_->plcPasswordRadio->setChecked(form.plcPassword);
  items_->decimalCheck->setChecked(form.variableDecimal);
  QCheckBox* leading[] = {items_->leading1Check, items_->leading2Check, items_->leading3Check};
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
  form.minimum = items_->minEdit->text().toStdString();
  form.maximum = items_->maxEdit->text().toStdString();
  form.valueTypes = {items_->type1Combo->currentData().toInt(), items_->type2Combo->currentData().toInt(),
                     items_->type3Combo->currentData().toInt()};
  form.readOnly = items_->access1Combo->currentIndex() == 1;
  form.passwordProtected = items_->passwordCheck->isChecked();
  form.plcPassword = items_->plcPasswordRadio->isChecked();
  form.variableDecimal = items_->decimalCheck->isChecked();
  form.leadingZeros = {items_->leading1Check->isChecked(), items_->leading2Check->isChecked(),
                       items_->leading3Check->isChecked()};
  for (size_t i = 0; i < fields_.size(); ++i)
    form.references[i] = fields_[i]->Reference();
  return form;
}

QWidget* CMessageFields::Widget(MessageField field) const {
  switch (field) {
    case MessageField::Minimum:
      return items_->minEdit;
    case MessageField::Maximum:
      return items_->maxEdit;
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
  shown.leadingZeros = {items_->leading1Check->isChecked(), items_->leading2Check->isChecked(),
                        items_->leading3Check->isChecked()};
  shown.data1.variableDecimal = items_->decimalCheck->isChecked();
  return shown;
}

void CMessageFields::OnDecimalToggled(bool on) {
  if (showing_) return;
  if (!ui_.messageText->SetDecimalPoint(on)) {
    QSignalBlocker quiet(items_->decimalCheck);
    items_->decimalCheck->setChecked(false);
    interaction_.ShowMessage(ToLatin1(QCoreApplication::translate("Core", kZ005Text)), "",
                             MessageIcon::Exclamation);
    return;
  }
  emit edited();
}

void CMessageFields::OnType1Changed() {
  if (showing_) return;
  int type = items_->type1Combo->currentData().toInt();
  std::string maximum = MaximumForType(panel_, items_->maxEdit->text().toStdString(), type1_, type);
  items_->maxEdit->setText(QString::fromStdString(maximum));
  type1_ = type;
  emit edited();
}

}  // namespace lumora::gui
