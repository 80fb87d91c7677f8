#include "editors/address_field.h"

#include <QLineEdit>

#include "editors/plannrun_combo.h"
#include "model/project.h"
#include "report/latin1.h"

namespace lumora::gui {
namespace {

class TypedAddressField : public CAddressField {
 public:
  explicit TypedAddressField(QWidget* parent) : edit_(new QLineEdit(parent)) {}
  std::string Reference() const override { return "\t" + ToLatin1(edit_->text()); }
  void SetReference(const std::string&, const std::string& address) override { edit_->setText(FromLatin1(address)); }
  QWidget* Widget() const override { return edit_; }
  AddressKind Kind() const override { return AddressKind::Typed; }

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
  AddressKind Kind() const override { return AddressKind::TagName; }

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
