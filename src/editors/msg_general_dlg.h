#pragma once
// "Panel System PLC Address Setup": the selected panel's line registers, password register, local
// password and panel options. Edits the panel record directly; OK stores field by field and stops at
// the first address the PLC library refuses.

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class MsgGeneralDlg;
}

class QComboBox;
class QLabel;

namespace lumora {
class TQMPanel;
class TQMProject;
class TQMTag;
}

namespace lumora::gui {

class CAddressField;

class CMsgGeneralDlg : public QDialog {
  Q_OBJECT

 public:
  ~CMsgGeneralDlg() override;

  void accept() override;

 protected:
  using FieldFactory = std::function<std::unique_ptr<CAddressField>(QWidget* parent)>;
  // `panel` belongs to a project (its back-reference is set).
  CMsgGeneralDlg(TQMPanel& panel, const FieldFactory& makeField, const QString& addressHeading, QWidget* parent);

  // "tag\taddress" of line 1..4 and of the password register.
  virtual std::string LineReference(int line) const = 0;
  virtual std::string PasswordReference() const = 0;
  virtual void FocusPassword() = 0;
  virtual void FocusLine(int line) = 0;
  // Greys what the panel model does not use.
  virtual void DisableUnused();
  // Address kind for validation: 0 typed (the library's text is kept), 1 tag name (kept as picked).
  virtual int AddressKind() const = 0;

  CAddressField& LineField(int line) const { return *lineFields_[static_cast<size_t>(line - 1)]; }
  CAddressField& PasswordField() const { return *passwordField_; }
  QLabel* PasswordRegisterLabel() const;
  TQMPanel& Panel() const { return panel_; }

 private:
  // Validates `reference` read-only as `valueType` and stores it into `tag`; false when refused.
  bool StoreRegister(const std::string& reference, int valueType, TQMTag& tag);
  bool ReadLocalPassword();

  std::unique_ptr<Ui::MsgGeneralDlg> ui_;
  TQMPanel& panel_;
  TQMProject& project_;
  std::array<std::unique_ptr<CAddressField>, 4> lineFields_;
  std::array<QComboBox*, 4> lineTypes_{};
  std::unique_ptr<CAddressField> passwordField_;
};

// Typed PLC addresses in edit boxes.
class CPLCGeneralDlg : public CMsgGeneralDlg {
  Q_OBJECT

 public:
  CPLCGeneralDlg(TQMPanel& panel, QWidget* parent = nullptr);

 protected:
  std::string LineReference(int line) const override;
  std::string PasswordReference() const override;
  void FocusPassword() override;
  void FocusLine(int line) override;
  void DisableUnused() override;
  int AddressKind() const override { return 0; }
};

// Tag names from the project's Plan & Run tag map.
class CPNRGeneralDlg : public CMsgGeneralDlg {
  Q_OBJECT

 public:
  CPNRGeneralDlg(TQMPanel& panel, QWidget* parent = nullptr);

 protected:
  std::string LineReference(int line) const override;
  std::string PasswordReference() const override;
  void FocusPassword() override;
  void FocusLine(int line) override;
  int AddressKind() const override { return 1; }
};

}  // namespace lumora::gui
