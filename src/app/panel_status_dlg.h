#pragma once
// CPanelStatusDlg: "Panel Information", what the connected unit reports about itself.

#include <QDialog>
#include <memory>

#include "transfer/unit_information.h"

namespace Ui {
class PanelStatusDlg;
}

namespace lumora::gui {

class CPanelStatusDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPanelStatusDlg(const UnitInformation& info, QWidget* parent = nullptr);
  ~CPanelStatusDlg() override;
  const UnitInformation& Information() const { return info_; }

 private:
  std::unique_ptr<Ui::PanelStatusDlg> ui_;
  UnitInformation info_;
};

}  // namespace lumora::gui
