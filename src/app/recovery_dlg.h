#pragma once
// CRecoveryDlg ("Recover Projects"): the recovery copies a program that ended without saving left, offered
// one by one: Recover, Discard (after a question) or Later. What Recover and Discard do is the caller's;
// a copy they dealt with leaves the list, and the dialog ends with the last one. Close leaves the rest for
// the next start.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "model/recovery_store.h"

namespace Ui {
class RecoveryDlg;
}

namespace lumora::gui {

class CRecoveryDlg : public QDialog {
  Q_OBJECT

 public:
  // Each returns whether the copy was dealt with (it then leaves the list).
  using Action = std::function<bool(const RecoveryCopy& copy)>;

  CRecoveryDlg(std::vector<RecoveryCopy> copies, Action recover, Action discard, QWidget* parent = nullptr);
  ~CRecoveryDlg() override;

  // The copies still listed (the ones left for later).
  const std::vector<RecoveryCopy>& Remaining() const { return copies_; }

 private:
  void Fill();
  void ActOnSelected(const Action& action);
  void UpdateButtons();

  std::unique_ptr<Ui::RecoveryDlg> ui_;
  std::vector<RecoveryCopy> copies_;
  Action recover_;
  Action discard_;
};

}  // namespace lumora::gui
