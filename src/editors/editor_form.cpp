#include "editors/editor_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWidget>

#include "model/codes.h"
#include "model/tag.h"
#include "report/latin1.h"

namespace lumora::gui {

std::string EditorText(const char* text) {
  return ToLatin1(QCoreApplication::translate("EditorForm", text));
}

QString AccessibleText(const QString& caption) {
  QString text = caption;
  text.replace("&&", QChar(0x1));
  text.remove('&');
  text.replace(QChar(0x1), "&");
  text = text.simplified();
  while (text.endsWith(':'))
    text.chop(1);
  return text.trimmed();
}

void NameByHiddenLabel(QWidget* field, const QString& name) {
  auto* label = new QLabel(name, field->parentWidget());
  label->setObjectName(field->objectName() + "Name");
  label->setBuddy(field);
  label->hide();
  field->setAccessibleName(name);
}

void FillValueTypes(QComboBox* combo) {
  combo->clear();
  for (int type : {kBcd16, kBinary16, kBcd32, kBinary32})
    combo->addItem(CoreText(ValueTypeText(type)), type);
}

void ConnectFieldEdited(QWidget* field, QObject* context, std::function<void()> slot) {
  if (auto* edit = qobject_cast<QLineEdit*>(field))
    QObject::connect(edit, &QLineEdit::textEdited, context, [slot] { slot(); });
  else if (auto* combo = qobject_cast<QComboBox*>(field))
    QObject::connect(combo, &QComboBox::activated, context, [slot] { slot(); });
}

QWidget* InstallField(QWidget* placeholder, QLabel* label, QWidget* field) {
  QWidget* parent = placeholder->parentWidget();
  if (field->parentWidget() != parent) field->setParent(parent);
  if (parent && parent->layout()) delete parent->layout()->replaceWidget(placeholder, field);
  field->setMinimumSize(field->minimumSize().expandedTo(placeholder->minimumSize()));
  field->setSizePolicy(placeholder->sizePolicy());
  field->setObjectName(placeholder->objectName());
  field->setEnabled(placeholder->isEnabled());
  QWidget::setTabOrder(placeholder, field);
  if (label) {
    label->setBuddy(field);
    field->setAccessibleName(AccessibleText(label->text()));
  }
  field->show();
  delete placeholder;
  return field;
}

}  // namespace lumora::gui
