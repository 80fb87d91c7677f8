#pragma once
// CPanelStatusDlg: "Panel Information", what the connected unit reports about itself.

#include <QDialog>

#include "transfer/panel_information.h"

class QLabel;
class QLineEdit;

namespace lumora::gui {

class CPanelStatusDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPanelStatusDlg(const UnitInformation& info, QWidget* parent = nullptr);
  const UnitInformation& Information() const { return info_; }

 private:
  UnitInformation info_;
};

}  // namespace lumora::gui
