#pragma once
// CPanelNotConfDlg ("Incomplete data"): a project that cannot be written yet; its Details button lists
// what is missing.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class PanelNotConfDlg;
}

namespace lumora::gui {

class CPanelNotConfDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPanelNotConfDlg(const std::vector<std::string>& missing, QWidget* parent = nullptr);
  ~CPanelNotConfDlg() override;

 private:
  std::unique_ptr<Ui::PanelNotConfDlg> ui_;
  std::vector<std::string> missing_;
};

}  // namespace lumora::gui
