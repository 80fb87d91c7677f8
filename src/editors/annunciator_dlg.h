#pragma once
// "Annunciator Setup": the PLC word whose bits light the current panel's three annunciator lamps, and
// the fixed table of which bit pattern gives which colour. The project changes only on a valid OK.

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class AnnunciatorDlg;
}

class QLabel;

namespace lumora {
class TQMProject;
class TQMTag;
}

namespace lumora::gui {

class CAddressField;

class CAnnunciatorDlg : public QDialog {
  Q_OBJECT

 public:
  ~CAnnunciatorDlg() override;

  // Lamp states in row order.
  enum State { kDark, kRed, kAmber, kGreen };
  static QColor StateColour(int state);
  // The two-line caption of lamp 1..3 in a state, as "\nBIT0 = 1\nBIT1 = 0".
  const QString& Caption(int lamp, int state) const;
  QLabel* LampBox(int lamp, int state) const;

  void accept() override;

 protected:
  using FieldFactory = std::function<std::unique_ptr<CAddressField>(QWidget* parent)>;
  // The project's current panel must exist. Variants load the entry themselves (LoadEntry).
  CAnnunciatorDlg(TQMProject& project, const FieldFactory& makeField, const QString& entryCaption,
                  QWidget* parent);

  // The entry in address-entry form ("tag\taddress").
  virtual std::string GetEntryText() const = 0;
  virtual void LoadEntry(const TQMTag& word) = 0;
  virtual void FocusEntry() = 0;
  // True: an accepted text stays as entered; false: it becomes the library's rebuilt form.
  virtual bool KeepsEnteredText() const = 0;

  CAddressField& Entry() const { return *entry_; }
  TQMTag& Word() const { return word_; }

 private:
  std::unique_ptr<Ui::AnnunciatorDlg> ui_;
  TQMProject& project_;
  TQMTag& word_;
  std::unique_ptr<CAddressField> entry_;
  std::array<std::array<QString, 4>, 3> captions_;
};

// Typed PLC address, labelled "&PLC Read Word (Bits) :".
class CPLCAnnunciatorDlg : public CAnnunciatorDlg {
  Q_OBJECT

 public:
  CPLCAnnunciatorDlg(TQMProject& project, QWidget* parent = nullptr);

 protected:
  std::string GetEntryText() const override;
  void LoadEntry(const TQMTag& word) override;
  void FocusEntry() override;
  bool KeepsEnteredText() const override { return false; }
};

// Tag name from the project's tag map, labelled "&Annunciator (Bit Read) Tag Name :".
class CPNRAnnunciatorDlg : public CAnnunciatorDlg {
  Q_OBJECT

 public:
  CPNRAnnunciatorDlg(TQMProject& project, QWidget* parent = nullptr);

 protected:
  std::string GetEntryText() const override;
  void LoadEntry(const TQMTag& word) override;
  void FocusEntry() override;
  bool KeepsEnteredText() const override { return true; }
};

}  // namespace lumora::gui
