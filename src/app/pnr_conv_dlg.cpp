#include "app/pnr_conv_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

#include "app/gui_interaction.h"
#include "app/log_dlg.h"
#include "app/modal_run.h"
#include "plc/plan_n_run.h"

namespace lumora::gui {

CPNRConvDlg::CPNRConvDlg(const std::vector<std::string>& log, const std::string& mapPath, QWidget* parent)
    : QDialog(parent), log_(log) {
  setObjectName("incompleteTagMapDialog");
  setWindowTitle("Incomplete tag map");
  std::vector<char> text(mapPath.size() + 400);
  std::snprintf(text.data(), text.size(), kIncompleteTagMapFormat, mapPath.c_str());
  auto* label = new QLabel(FromLatin1(text.data()), this);
  label->setWordWrap(true);
  auto* yes = new QPushButton("&Yes", this);
  yes->setObjectName("yesButton");
  auto* no = new QPushButton("&No", this);
  no->setObjectName("noButton");
  no->setDefault(true);
  auto* details = new QPushButton("&Details...", this);
  details->setObjectName("detailsButton");
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
  connect(details, &QPushButton::clicked, this, [this] {
    CLog log(log_, true, this);
    ExecModal(log);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(details);
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(buttons);
}

}  // namespace lumora::gui
