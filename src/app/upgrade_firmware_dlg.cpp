#include "app/upgrade_firmware_dlg.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "editors/help_topics.h"
#include "plc/install_dir.h"

namespace lumora::gui {

CUpgdeFirmDlg::CUpgdeFirmDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("upgradeFirmwareDlg");
  setWindowTitle("Upgrade firmware");
  auto* select = new QGroupBox("Select firmware file", this);
  auto* about = new QLabel(
      "The firmware upgrade file usually named as QMxxxYd.hex (Yd being the firmware revision and  xxx being "
      "the "
      "panel type  i.e. QM210A1.hex). Please select QMxxxYd.hex (or the file  under which you have saved the "
      "firmware upgrade file).",
      select);
  about->setWordWrap(true);
  auto* where = new QLabel("(Firmware will be generally stored under \\Lumora\\firmware directory)", select);
  path_ = new QLineEdit(select);
  path_->setObjectName("firmwarePath");
  auto* browse = new QPushButton("&Browse...", select);
  browse->setObjectName("browseButton");
  connect(browse, &QPushButton::clicked, this, &CUpgdeFirmDlg::OnBrowse);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(path_, 1);
  pathRow->addWidget(browse);
  auto* selectLayout = new QVBoxLayout(select);
  selectLayout->addWidget(about);
  selectLayout->addWidget(where);
  selectLayout->addLayout(pathRow);

  auto* caution = new QGroupBox("CAUTION", this);
  auto* warning = new QLabel(
      "Loading the firmware will replace the current firmware in the panel and the user program in the panel "
      "will "
      "be lost when the firmware is updated. Press OK to continue.",
      caution);
  warning->setWordWrap(true);
  auto* cautionLayout = new QVBoxLayout(caution);
  cautionLayout->addWidget(warning);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("okButton");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("helpButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ConnectHelpButton(help, kHelpFirmware);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(select);
  layout->addWidget(caution);
  layout->addLayout(buttons);
  resize(560, 320);
}

QString CUpgdeFirmDlg::FilePath() const {
  return path_->text();
}
void CUpgdeFirmDlg::SetFilePath(const QString& path) {
  path_->setText(path);
}

void CUpgdeFirmDlg::OnBrowse() {
  CLumoraApp* app = CLumoraApp::Instance();
  QString start = app ? FromPath(app->User().FirmwarePath()) : QString();
  if (start.isEmpty()) {
    start = FromPath(InstallPath("Firmware"));
    QDir().mkpath(start);
  }
  FilePrompt prompt;
  prompt.filter = "Firmware Files (*.hex)|*.hex|All Files (*.*)|*.*||";
  prompt.startFolder = ToPath(start);
  std::optional<QString> chosen = AskOpenFile(this, prompt);
  if (!chosen) return;
  path_->setText(*chosen);
  if (app) app->User().SetFirmwarePath(ToPath(QFileInfo(*chosen).absolutePath()));
}

}  // namespace lumora::gui
