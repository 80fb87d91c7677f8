#include "app/modal_run.h"


namespace lumora::gui {
namespace {

// Touched only on the user-interface thread.
int gModalDepth = 0;
bool gExitPending = false;
std::function<void()> gExitContinuation;

}  // namespace

ModalScope::ModalScope() {
  ++gModalDepth;
}

ModalScope::~ModalScope() {
  --gModalDepth;
  if (!gExitPending) return;
  // The Exit goes on once this run has unwound: it closes the next run up, or the window itself.
  if (gExitContinuation) gExitContinuation();
}

void SetExitContinuation(std::function<void()> continuation) {
  gExitContinuation = std::move(continuation);
}

int ModalDepth() {
  return gModalDepth;
}

bool ExitPending() {
  return gExitPending;
}

void SetExitPending(bool pending) {
  gExitPending = pending;
}

int ExecModal(QDialog& dialog) {
  if (gExitPending) return QDialog::Rejected;
  ModalScope scope;
  return dialog.exec();
}

}  // namespace lumora::gui
