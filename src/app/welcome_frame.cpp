#include "app/welcome_frame.h"

#include "model/interaction.h"

namespace lumora::gui {

CWelcomeFrame::CWelcomeFrame(QWidget* parent) : QMdiSubWindow(parent) {
  setObjectName("welcomeFrame");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::FramelessWindowHint);
  view_ = new CWelcomView(this);
  setWidget(view_);
  setWindowTitle(kApplicationTitle);
}

}  // namespace lumora::gui
