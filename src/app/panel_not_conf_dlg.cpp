#include "app/panel_not_conf_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/log_dlg.h"
#include "app/modal_run.h"

namespace lumora::gui {

CPanelNotConfDlg::CPanelNotConfDlg(const std::vector<std::string>& missing, QWidget* parent)
    : QDialog(parent), missing_(missing) {
  setObjectName("incompleteDataDialog");
  setWindowTitle("Incomplete data");
  auto* label = new QLabel("Panel program can not be uploaded as it has incomplete data. ", this);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  auto* details = new QPushButton("&Details...", this);
  details->setObjectName("detailsButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(details, &QPushButton::clicked, this, [this] {
    CLog log(missing_, false, this);
    ExecModal(log);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(details);
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(buttons);
}

}  // namespace lumora::gui
