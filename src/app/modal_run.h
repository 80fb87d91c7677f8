#pragma once
// Modal runs on the user-interface thread: dialogs, message boxes and the waits for a panel exchange
// that runs on a worker. The main window's Exit unwinds them from the top down before it closes, so
// no window is destroyed under a dialog that is still running. The editors run their dialogs through
// this too (editors/dialog_runner.h).

#include <QDialog>
#include <functional>
#include <optional>
#include <type_traits>

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

// Runs `work` on a worker thread while this thread keeps its event loop going (painting, timers, the
// worker's message boxes) with user input held back, under the wait cursor. Returns when `work` has
// ended. Call it on the user-interface thread.
void RunOffUiThread(const std::function<void()>& work);

template <typename Fn>
auto RunOffUiThread(Fn work)
    -> std::enable_if_t<!std::is_void_v<std::invoke_result_t<Fn>>, std::invoke_result_t<Fn>> {
  std::optional<std::invoke_result_t<Fn>> result;
  RunOffUiThread(std::function<void()>([&] { result.emplace(work()); }));
  return std::move(*result);
}

}  // namespace lumora::gui
