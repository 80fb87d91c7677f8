#include "app/recovery_dlg.h"

#include <QDateTime>
#include <QPushButton>

#include "app/gui_interaction.h"
#include "model/file_io.h"
#include "ui_recovery_dlg.h"

namespace lumora::gui {

CRecoveryDlg::CRecoveryDlg(std::vector<RecoveryCopy> copies, Action recover, Action discard, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::RecoveryDlg>()),
      copies_(std::move(copies)),
      recover_(std::move(recover)),
      discard_(std::move(discard)) {
  ui_->setupUi(this);
  connect(ui_->recoverButton, &QPushButton::clicked, this, [this] { ActOnSelected(recover_); });
  connect(ui_->discardButton, &QPushButton::clicked, this, [this] {
    Answer answer = ShowMessageBox(this, tr("Discard the unsaved changes of the selected project for good?"),
                                   "", MessageIcon::Question, MessageButtons::YesNo, Answer::No);
    if (answer == Answer::Yes) ActOnSelected(discard_);
  });
  connect(ui_->laterButton, &QPushButton::clicked, this, [this] {
    ActOnSelected([](const RecoveryCopy&) { return true; });
  });
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->copyList, &QTreeWidget::currentItemChanged, this, &CRecoveryDlg::UpdateButtons);
  Fill();
}

CRecoveryDlg::~CRecoveryDlg() = default;

void CRecoveryDlg::Fill() {
  ui_->copyList->clear();
  for (const RecoveryCopy& copy : copies_) {
    QString name = copy.projectPath.empty() ? tr("(no file)") : FromPath(FileNamePart(copy.projectPath));
    QString folder = copy.projectPath.empty() ? QString() : FromPath(FolderPart(copy.projectPath));
    QString changed = QDateTime::fromSecsSinceEpoch(copy.changed).toString("yyyy-MM-dd HH:mm:ss");
    new QTreeWidgetItem(ui_->copyList, {name, folder, changed});
  }
  for (int column = 0; column < 3; ++column) ui_->copyList->resizeColumnToContents(column);
  if (ui_->copyList->topLevelItemCount() > 0) ui_->copyList->setCurrentItem(ui_->copyList->topLevelItem(0));
  UpdateButtons();
}

void CRecoveryDlg::ActOnSelected(const Action& action) {
  int row = ui_->copyList->indexOfTopLevelItem(ui_->copyList->currentItem());
  if (row < 0 || row >= static_cast<int>(copies_.size())) return;
  RecoveryCopy copy = copies_[static_cast<size_t>(row)];
  if (!action(copy)) return;
  copies_.erase(copies_.begin() + row);
  delete ui_->copyList->takeTopLevelItem(row);
  if (copies_.empty()) {
    accept();
    return;
  }
  ui_->copyList->setCurrentItem(ui_->copyList->topLevelItem(std::min(row, ui_->copyList->topLevelItemCount() - 1)));
  UpdateButtons();
}

void CRecoveryDlg::UpdateButtons() {
  bool selected = ui_->copyList->currentItem() != nullptr;
  for (QPushButton* button : {ui_->recoverButton, ui_->discardButton, ui_->laterButton}) button->setEnabled(selected);
}

}  // namespace lumora::gui
