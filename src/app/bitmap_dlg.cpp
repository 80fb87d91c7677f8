#include "app/bitmap_dlg.h"

#include "app/gui_interaction.h"
#include "app/pictures.h"
#include "model/codes.h"
#include "transfer/panel_information.h"
#include "model/translation.h"
#include "ui_bitmap_dlg.h"

namespace lumora::gui {
namespace {

constexpr int kModels[] = {kPanelQM210, kPanelQM210G, kPanelQM210K, kPanelQM410, kPanelQMSV};

}  // namespace

CBitmapDlg::CBitmapDlg(int currentType, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::BitmapDlg>()) {
  ui_->setupUi(this);
  int selected = 0;
  for (int i = 0; i < 5; ++i) {
    auto* item = new QListWidgetItem(FromLatin1(PanelModelText(kModels[i])), ui_->modelList);
    item->setData(Qt::UserRole, kModels[i]);
    if (kModels[i] == currentType) selected = i;
  }
  connect(ui_->modelList, &QListWidget::currentRowChanged, this, &CBitmapDlg::ShowModel);
  connect(ui_->modelList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  ui_->modelList->setCurrentRow(selected);
  ShowModel(selected);
}

CBitmapDlg::~CBitmapDlg() = default;

int CBitmapDlg::SelectedType() const {
  QListWidgetItem* item = ui_->modelList->currentItem();
  return item ? item->data(Qt::UserRole).toInt() : kModels[0];
}

void CBitmapDlg::ShowModel(int row) {
  if (row < 0 || row >= 5) return;
  int type = kModels[row];
  ui_->preview->setPixmap(UnitPicture(type, QSize(340, type == kPanelQMSV ? 220 : 200)));
  ui_->preview->setAccessibleName(tr("%1 picture").arg(FromLatin1(PanelModelText(type))));
  ui_->description->setText(FromLatin1(translate("Core", UnitAttributesText(type))));
}

}  // namespace lumora::gui
