#include "app/pnr_conv_dlg.h"

#include <QPushButton>

#include "app/gui_interaction.h"
#include "app/log_dlg.h"
#include "app/modal_run.h"
#include "plc/plan_n_run.h"
#include "ui_pnr_conv_dlg.h"

namespace lumora::gui {

CPNRConvDlg::CPNRConvDlg(const std::vector<std::string>& log, const std::string& mapPath, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PnrConvDlg>()), log_(log) {
  ui_->setupUi(this);
  ui_->questionLabel->setText(FromLatin1(Arg(translate("Core", kIncompleteTagMapFormat), mapPath)));
  connect(ui_->yesButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->noButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->detailsButton, &QPushButton::clicked, this, [this] {
    CLog details(log_, true, this);
    ExecModal(details);
  });
}

CPNRConvDlg::~CPNRConvDlg() = default;

}  // namespace lumora::gui
