#include "editors/ins_msg_dlg.h"

#include <QIntValidator>
#include <QPushButton>

#include "model/editing_rules.h"
#include "model/interaction.h"
#include "ui_ins_msg_dlg.h"

namespace lumora::gui {

CInsMsgDlg::CInsMsgDlg(int low, int high, Interaction& ui, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::InsMsgDlg>()), interaction_(ui), low_(low), high_(high) {
  ui_->setupUi(this);
  ui_->prompt->setText(tr("&Enter a message number between %1 and %2:").arg(low).arg(high));
  ui_->numberEdit->setValidator(new QIntValidator(0, 999, this));
  ui_->numberEdit->setText(QString::number(high - 1));
  ui_->numberEdit->selectAll();
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &CInsMsgDlg::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &CInsMsgDlg::reject);
}

CInsMsgDlg::~CInsMsgDlg() = default;

void CInsMsgDlg::accept() {
  bool ok = false;
  int number = ui_->numberEdit->text().toInt(&ok);
  if (!ok || number <= low_ || number >= high_) {
    interaction_.ShowMessage(kM005Text, "", MessageIcon::Exclamation);
    ui_->numberEdit->setText(QString::number(high_ - 1));
    ui_->numberEdit->selectAll();
    ui_->numberEdit->setFocus();
    return;
  }
  number_ = number;
  QDialog::accept();
}

}  // namespace lumora::gui
