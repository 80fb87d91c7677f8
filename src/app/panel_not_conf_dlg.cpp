#include "app/panel_not_conf_dlg.h"

#include <QPushButton>

#include "app/log_dlg.h"
#include "app/modal_run.h"
#include "ui_panel_not_conf_dlg.h"

namespace lumora::gui {

CPanelNotConfDlg::CPanelNotConfDlg(const std::vector<std::string>& missing, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PanelNotConfDlg>()), missing_(missing) {
  ui_->setupUi(this);
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->detailsButton, &QPushButton::clicked, this, [this] {
    CLog log(missing_, false, this);
    ExecModal(log);
  });
}

CPanelNotConfDlg::~CPanelNotConfDlg() = default;

}  // namespace lumora::gui
