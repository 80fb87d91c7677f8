#include "app/port_static.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "model/codes.h"

namespace lumora::gui {

const QColor CPortStatic::kSelectedColour(225, 225, 150);
const QColor CPortStatic::kConfiguredColour(100, 200, 100);

CPortStatic::CPortStatic(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Box);
  // Reachable from the keyboard: Space selects, the menu key opens the port's commands.
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void CPortStatic::Show(int unitType, bool selected) {
  unitType_ = unitType;
  selected_ = selected;
  QString text = QString::fromStdString(PortLabelText(unitType, port_));
  setText(text);
  setAccessibleName(QString("Port %1").arg(port_));
  setAccessibleDescription(unitType == 0 ? QString("no panel") : text.section('\n', 0, 0));
  update();
}

void CPortStatic::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(port_);
  QLabel::mousePressEvent(event);
}

void CPortStatic::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit clicked(port_);
    return;
  }
  QLabel::keyPressEvent(event);
}

void CPortStatic::contextMenuEvent(QContextMenuEvent* event) {
  // The commands act on the selected port: the label under the mouse becomes it first.
  emit clicked(port_);
  emit contextMenuRequested(port_, event->globalPos());
  event->accept();
}

void CPortStatic::paintEvent(QPaintEvent* event) {
  if (selected_ || unitType_ != 0) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), selected_ ? kSelectedColour : kConfiguredColour);
  }
  QLabel::paintEvent(event);
  if (hasFocus()) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(contentsRect().adjusted(2, 2, -3, -3));
  }
}

}  // namespace lumora::gui
