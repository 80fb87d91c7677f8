#include "app/upgrade_firmware_dlg.h"

#include <QDir>
#include <QFileInfo>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "editors/help_topics.h"
#include "plc/install_dir.h"
#include "ui_upgrade_firmware_dlg.h"

namespace lumora::gui {

CUpgdeFirmDlg::CUpgdeFirmDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::UpgradeFirmwareDlg>()) {
  ui_->setupUi(this);
  connect(ui_->browseButton, &QPushButton::clicked, this, &CUpgdeFirmDlg::OnBrowse);
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ConnectHelpButton(ui_->helpButton, kHelpFirmware);
}

CUpgdeFirmDlg::~CUpgdeFirmDlg() = default;

QString CUpgdeFirmDlg::FilePath() const {
  return ui_->firmwarePath->text();
}
void CUpgdeFirmDlg::SetFilePath(const QString& path) {
  ui_->firmwarePath->setText(path);
}

void CUpgdeFirmDlg::OnBrowse() {
  CLumoraApp* app = CLumoraApp::Instance();
  QString start = app ? FromPath(app->User().FirmwarePath()) : QString();
  if (start.isEmpty()) {
    start = FromPath(InstallPath("Firmware"));
    QDir().mkpath(start);
  }
  FilePrompt prompt;
  prompt.filter = ToLatin1(tr("Firmware Files (*.hex)") + "|*.hex|" + tr("All Files (*.*)") + "|*.*||");
  prompt.startFolder = ToPath(start);
  std::optional<QString> chosen = AskOpenFile(this, prompt);
  if (!chosen) return;
  ui_->firmwarePath->setText(*chosen);
  if (app) app->User().SetFirmwarePath(ToPath(QFileInfo(*chosen).absolutePath()));
}

}  // namespace lumora::gui
