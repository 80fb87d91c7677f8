#pragma once
// Modal runs on the user-interface thread: dialogs, message boxes and the waits for a panel exchange
// that runs on a worker (exchange_wait.h). The main window's Exit unwinds them from the top down before it closes, so
// no window is destroyed under a dialog that is still running. The editors run their dialogs through
// this too (editors/dialog_runner.h).

#include <QDialog>
#include <functional>

namespace lumora::gui {

// Marks one modal run; when it ends while an Exit is waiting, the main window tries to close again.
class ModalScope {
 public:
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
};

// How many modal runs the user-interface thread is inside.
int ModalDepth();
// Set while the main window waits for the modal runs to end before it closes: no new dialog or message
// box is shown meanwhile (each gives its cancel answer at once).
bool ExitPending();
void SetExitPending(bool pending);
// What goes on with a pending Exit each time a modal run has ended (the main window closes again).
void SetExitContinuation(std::function<void()> continuation);

// QDialog::exec under a ModalScope; Rejected at once while an Exit is pending.
int ExecModal(QDialog& dialog);

}  // namespace lumora::gui
