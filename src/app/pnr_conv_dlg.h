#pragma once
// CPNRConvDlg ("Incomplete tag map"): asks whether to go on with a tag map that leaves addresses
// unresolved; its Details button shows the conversion log.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class PnrConvDlg;
}

namespace lumora::gui {

class CPNRConvDlg : public QDialog {
  Q_OBJECT

 public:
  CPNRConvDlg(const std::vector<std::string>& log, const std::string& mapPath, QWidget* parent = nullptr);
  ~CPNRConvDlg() override;

 private:
  std::unique_ptr<Ui::PnrConvDlg> ui_;
  std::vector<std::string> log_;
};

}  // namespace lumora::gui
