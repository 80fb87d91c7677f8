#pragma once
// CAboutDlg: "About Lumora Write Utility", with the program's version.

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDlg;
}

namespace lumora::gui {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  ~CAboutDlg() override;

 private:
  std::unique_ptr<Ui::AboutDlg> ui_;
};

}  // namespace lumora::gui
