#include "app/multipanel_import_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/gui_interaction.h"
#include "model/panel_exchange.h"
#include "ui_multipanel_import_dlg.h"

namespace lumora::gui {

CMultipanelImportDlg::CMultipanelImportDlg(const std::array<std::string, 5>& portTexts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MultipanelImportDlg>()) {
  ui_->setupUi(this);
  QRadioButton* radios[] = {ui_->port1, ui_->port2, ui_->port3, ui_->port4, ui_->port5};
  QLabel* texts[] = {ui_->portText1, ui_->portText2, ui_->portText3, ui_->portText4, ui_->portText5};
  bool chosen = false;
  for (size_t i = 0; i < 5; ++i) {
    texts[i]->setText(FromLatin1(portTexts[i]));
    bool configured = portTexts[i] != kNotConfiguredPortText;
    radios[i]->setEnabled(configured);
    texts[i]->setEnabled(configured);
    // Opened on the first port that holds a panel, so OK never names an empty one.
    if (configured && !chosen) {
      radios[i]->setChecked(true);
      chosen = true;
    }
  }
  ui_->buttons->button(QDialogButtonBox::Ok)->setEnabled(chosen);
}

CMultipanelImportDlg::~CMultipanelImportDlg() = default;

int CMultipanelImportDlg::SelectedPort() const {
  const QRadioButton* radios[] = {ui_->port1, ui_->port2, ui_->port3, ui_->port4, ui_->port5};
  for (int i = 0; i < 5; ++i) {
    if (radios[i]->isChecked() && radios[i]->isEnabled()) return i + 1;
  }
  return 0;
}

}  // namespace lumora::gui
