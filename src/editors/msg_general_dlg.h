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

 private:
  // Greys what the panel model does not use.
  void DisableUnused();
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

// The two ways to open the editor: typed PLC addresses in edit boxes, or tag names from the project's
// Plan & Run tag map.
class CPLCGeneralDlg : public CMsgGeneralDlg {
  Q_OBJECT

 public:
  explicit CPLCGeneralDlg(TQMPanel& panel, QWidget* parent = nullptr);
};

class CPNRGeneralDlg : public CMsgGeneralDlg {
  Q_OBJECT

 public:
  explicit CPNRGeneralDlg(TQMPanel& panel, QWidget* parent = nullptr);
};

}  // namespace lumora::gui
