#pragma once
// The "Buttons / LEDs" editor of the current panel: the mode of each LED and function key, and the two
// PLC words through which the panel takes the LED states and reports its keys. The record is edited in
// place; Cancel puts back the copy taken at opening.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "model/panel.h"

namespace Ui {
class LedDlg;
}

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

class CAddressField;

class CLedDlg : public QDialog {
  Q_OBJECT

 public:
  ~CLedDlg() override;

  void accept() override;
  void reject() override;

 protected:
  using FieldFactory = std::function<std::unique_ptr<CAddressField>(QWidget* parent)>;
  // The project's current panel must exist.
  CLedDlg(TQMProject& project, const FieldFactory& makeField, QWidget* parent);

 private:
  // Validates `entry` as a word of value type 1 and stores it into `word`; false when refused.
  bool StoreWord(const std::string& entry, int access, TQMTag& word);

  std::unique_ptr<Ui::LedDlg> ui_;
  TQMProject& project_;
  TQMButtonLed& record_;
  TQMButtonLed saved_;
  std::unique_ptr<CAddressField> ledField_;
  std::unique_ptr<CAddressField> buttonField_;
};

// The two ways to open the editor: typed PLC addresses (accepted ones shown as the library rebuilds them),
// or tag names picked from the project's Plan & Run tag map.
class CPLCLedDlg : public CLedDlg {
  Q_OBJECT

 public:
  explicit CPLCLedDlg(TQMProject& project, QWidget* parent = nullptr);
};

class CPNRLedDlg : public CLedDlg {
  Q_OBJECT

 public:
  explicit CPNRLedDlg(TQMProject& project, QWidget* parent = nullptr);
};

}  // namespace lumora::gui
