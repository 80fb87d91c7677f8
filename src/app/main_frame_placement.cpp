// Where the main window stands: restored as the user left it, or placed on the first start so that a project's
// main view shows whole.

#include <QDir>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/lumora_app.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"

namespace lumora::gui {

QRect FirstPlacement(const QSize& needed, const QRect& available) {
  if (needed.width() > available.width() || needed.height() > available.height()) return QRect();
  QRect placed(QPoint(0, 0), needed);
  placed.moveCenter(available.center());
  return placed;
}

QSize CMainFrame::SizeForMainView() const {
  // A project window fills the MDI area, maximized; the main view in it needs its size hint. Around it
  // come the MDI area's frame, the menu bar, the status bar and the window's own frame.
  QWidget probe;
  CLumoraView::SetUpForm(probe);
  QSize size = probe.sizeHint() + QSize(2 * mdi_->frameWidth(), 2 * mdi_->frameWidth());
  size.rheight() += menuBar()->sizeHint().height();
  if (statusBar()->isVisibleTo(this)) size.rheight() += statusBar()->sizeHint().height();
  return size;
}

void CMainFrame::RestorePlacement() {
  QByteArray stored = QByteArray::fromStdString(app_.User().WindowGeometry());
  if (!stored.isEmpty() && restoreGeometry(stored)) {
    show();
    return;
  }
  // The first start: the main view whole, where the screen allows it.
  QScreen* screen = this->screen();
  QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  QSize frame = frameGeometry().size() - geometry().size();
  QRect placed = FirstPlacement(SizeForMainView() + frame, available);
  if (placed.isEmpty()) {
    showMaximized();
    return;
  }
  resize(placed.size() - frame);
  move(placed.topLeft());
  show();
}

void CMainFrame::SavePlacement() {
  app_.User().SetWindowGeometry(saveGeometry().toStdString());
  app_.User().SetWorkingPath(ToPath(QDir::currentPath()));
  app_.User().Sync();
}

}  // namespace lumora::gui
