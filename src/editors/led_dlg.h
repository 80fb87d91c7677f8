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

  // "tag\taddress" of the LED word and of the button word.
  virtual std::string GetLedWordText() const = 0;
  virtual std::string GetButtonWordText() const = 0;
  virtual void FocusLedWord() = 0;
  virtual void FocusButtonWord() = 0;

  CAddressField& LedField() const { return *ledField_; }
  CAddressField& ButtonField() const { return *buttonField_; }

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

// Typed PLC addresses; accepted ones are shown as the library rebuilds them.
class CPLCLedDlg : public CLedDlg {
  Q_OBJECT

 public:
  CPLCLedDlg(TQMProject& project, QWidget* parent = nullptr);

 protected:
  std::string GetLedWordText() const override;
  std::string GetButtonWordText() const override;
  void FocusLedWord() override;
  void FocusButtonWord() override;
};

// Tag names picked from the project's Plan & Run tag map.
class CPNRLedDlg : public CLedDlg {
  Q_OBJECT

 public:
  CPNRLedDlg(TQMProject& project, QWidget* parent = nullptr);

 protected:
  std::string GetLedWordText() const override;
  std::string GetButtonWordText() const override;
  void FocusLedWord() override;
  void FocusButtonWord() override;
};

}  // namespace lumora::gui
