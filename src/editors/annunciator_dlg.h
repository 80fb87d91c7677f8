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
  // The project's current panel must exist.
  CAnnunciatorDlg(TQMProject& project, const FieldFactory& makeField, const QString& entryCaption,
                  QWidget* parent);

 private:
  std::unique_ptr<Ui::AnnunciatorDlg> ui_;
  TQMProject& project_;
  TQMTag& word_;
  std::unique_ptr<CAddressField> entry_;
  std::array<std::array<QString, 4>, 3> captions_;
};

// The two ways to open the editor: a typed PLC address, labelled "&PLC Read Word (Bits) :", or a tag name
// from the project's tag map, labelled "&Annunciator (Bit Read) Tag Name :".
class CPLCAnnunciatorDlg : public CAnnunciatorDlg {
  Q_OBJECT

 public:
  explicit CPLCAnnunciatorDlg(TQMProject& project, QWidget* parent = nullptr);
};

class CPNRAnnunciatorDlg : public CAnnunciatorDlg {
  Q_OBJECT

 public:
  explicit CPNRAnnunciatorDlg(TQMProject& project, QWidget* parent = nullptr);
};

}  // namespace lumora::gui
