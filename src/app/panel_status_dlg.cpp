#include "app/panel_status_dlg.h"

#include "app/gui_interaction.h"
#include "app/pictures.h"
#include "model/codes.h"
#include "ui_panel_status_dlg.h"

namespace lumora::gui {

CPanelStatusDlg::CPanelStatusDlg(const UnitInformation& info, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PanelStatusDlg>()), info_(info) {
  ui_->setupUi(this);
  if (info.unitType >= kPanelQM210 && info.unitType <= kPanelMultiplexer) {
    ui_->previewPicture->setPixmap(
        UnitPicture(info.unitType, QSize(320, info.unitType == kPanelMultiplexer ? 140 : 170)));
  }
  ui_->attributesText->setText(FromLatin1(info.attributesText));
  ui_->modelText->setText(FromLatin1(info.modelText));
  ui_->firmwareText->setText(FromLatin1(info.firmwareRevision));
  ui_->memoryText->setText(FromLatin1(info.memorySize));
  ui_->driverName->setText(FromLatin1(info.driverName));
  ui_->driverRevision->setText(FromLatin1(info.driverRevision));
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

CPanelStatusDlg::~CPanelStatusDlg() = default;

}  // namespace lumora::gui
