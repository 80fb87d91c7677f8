#include "app/about_dlg.h"

#include "app/gui_interaction.h"
#include "app/pictures.h"
#include "shell/version_loader.h"
#include "ui_about_dlg.h"

namespace lumora::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutDlg>()) {
  ui_->setupUi(this);
  ui_->logo->setPixmap(LogoPicture(QSize(48, 48)));
  ui_->versionLabel->setText(tr("Lumora Write Utility Version %1").arg(FromLatin1(ApplicationVersion())));
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace lumora::gui
