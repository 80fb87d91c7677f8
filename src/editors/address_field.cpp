#include "editors/address_field.h"

#include <QLineEdit>

#include "editors/plannrun_combo.h"
#include "model/project.h"

namespace lumora::gui {
namespace {

QString FromBytes(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

class TypedAddressField : public CAddressField {
 public:
  explicit TypedAddressField(QWidget* parent) : edit_(new QLineEdit(parent)) {}
  std::string Reference() const override { return "\t" + edit_->text().toLatin1().toStdString(); }
  void SetReference(const std::string&, const std::string& address) override { edit_->setText(FromBytes(address)); }
  QWidget* Widget() const override { return edit_; }
  int AddressKind() const override { return 0; }

 private:
  QLineEdit* edit_;
};

class TagPickerField : public CAddressField {
 public:
  TagPickerField(const TagMapTable& table, QWidget* parent) : combo_(new CPlannRunCombo(parent)) {
    combo_->Fill(table);
  }
  std::string Reference() const override { return combo_->CurrentName() + "\t" + combo_->CurrentValue(); }
  void SetReference(const std::string& tagName, const std::string&) override { combo_->SelectByText(tagName); }
  QWidget* Widget() const override { return combo_; }
  int AddressKind() const override { return 1; }

 private:
  CPlannRunCombo* combo_;
};

}  // namespace

std::unique_ptr<CAddressField> CAddressField::CreateTyped(QWidget* parent) {
  return std::make_unique<TypedAddressField>(parent);
}

std::unique_ptr<CAddressField> CAddressField::CreateTagPicker(const TagMapTable& table, QWidget* parent) {
  return std::make_unique<TagPickerField>(table, parent);
}

std::unique_ptr<CAddressField> CAddressField::Create(const TQMProject& project, int panelType, QWidget* parent) {
  if (project.tagMapLinked) return CreateTagPicker(project.TagMapFor(panelType), parent);
  return CreateTyped(parent);
}

void SplitReference(const std::string& reference, std::string& tagName, std::string& address) {
  size_t tab = reference.find('\t');
  if (tab == std::string::npos) {
    tagName.clear();
    address = reference;
    return;
  }
  tagName = reference.substr(0, tab);
  address = reference.substr(tab + 1);
}

}  // namespace lumora::gui
