#pragma once
// CInsMsgDlg: "Insert Message", the number of a PLC message inserted between two others.

#include <QDialog>
#include <memory>

namespace Ui {
class InsMsgDlg;
}

namespace lumora {
class Interaction;
}

namespace lumora::gui {

class CInsMsgDlg : public QDialog {
  Q_OBJECT

 public:
  // Accepts a number strictly between `low` and `high`; refusals go to `ui` (M005).
  CInsMsgDlg(int low, int high, Interaction& ui, QWidget* parent = nullptr);
  ~CInsMsgDlg() override;
  int Number() const { return number_; }
  void accept() override;

 private:
  std::unique_ptr<Ui::InsMsgDlg> ui_;
  Interaction& interaction_;
  int low_;
  int high_;
  int number_ = 0;
};

}  // namespace lumora::gui
