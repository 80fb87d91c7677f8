#pragma once
// CBitmapDlg: "Select Panel", the five panel models with a picture and the features of the highlighted one.

#include <QDialog>
#include <memory>

namespace Ui {
class BitmapDlg;
}

namespace lumora::gui {

class CBitmapDlg : public QDialog {
  Q_OBJECT

 public:
  // `currentType` is preselected; the first model when it is not one of the five.
  explicit CBitmapDlg(int currentType, QWidget* parent = nullptr);
  ~CBitmapDlg() override;
  // The highlighted model's panel type code.
  int SelectedType() const;

 private:
  void ShowModel(int row);

  std::unique_ptr<Ui::BitmapDlg> ui_;
};

}  // namespace lumora::gui
