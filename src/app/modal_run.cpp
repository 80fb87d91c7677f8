#include "app/modal_run.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>


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

void RunOffUiThread(const std::function<void()>& work) {
  ModalScope scope;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QEventLoop loop;
  QThread* thread = QThread::create(work);
  // Queued: the quit is handled by the loop below even when the work ends before the loop starts.
  QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  thread->start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  thread->wait();
  delete thread;
  QApplication::restoreOverrideCursor();
}

}  // namespace lumora::gui
