#pragma once
// CWelcomeFrame: the frame of the welcome screen, shown while no project is open.

#include <QMdiSubWindow>

#include "app/welcome.h"

namespace lumora::gui {

class CWelcomeFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  explicit CWelcomeFrame(QWidget* parent = nullptr);
  CWelcomView* View() const { return view_; }

 private:
  CWelcomView* view_;
};

}  // namespace lumora::gui
