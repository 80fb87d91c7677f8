#include "editors/line_illustration.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace lumora::gui {
namespace {

const QColor kFrame(0, 0, 160);
const QColor kBezel(70, 70, 78);
const QColor kDisplay(170, 200, 120);

void Arrow(QPainter& painter, QPointF from, QPointF to) {
  painter.setPen(QPen(kFrame, 2));
  painter.drawLine(from, to);
  QLineF line(to, from);
  line.setLength(9);
  QLineF left = line, right = line;
  left.setAngle(line.angle() + 25);
  right.setAngle(line.angle() - 25);
  painter.setBrush(kFrame);
  painter.drawPolygon(QPolygonF({to, left.p2(), right.p2()}));
}

}  // namespace

CLineIllustration::CLineIllustration(QWidget* parent) : QWidget(parent) {
  setAccessibleName(
      tr("Writing 4 into line 1's address shows programmed message 4 on line 1 and lights the "
         "PLC message LED"));
}

void CLineIllustration::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double w = width(), h = height();

  // The PLC's value, top left.
  QRectF value(w * 0.03, h * 0.08, w * 0.22, h * 0.2);
  painter.setPen(QPen(kFrame, 2));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(value, 8, 8);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(value, Qt::AlignCenter, tr("Line 1 = 4"));

  // The programmed messages, top middle.
  QRectF list(w * 0.31, h * 0.04, w * 0.42, h * 0.3);
  painter.setPen(QPen(kFrame, 2));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(list, 8, 8);
  QFont small = painter.font();
  small.setBold(false);
  small.setPointSizeF(small.pointSizeF() * 0.85);
  painter.setFont(small);
  painter.setPen(Qt::black);
  const char* const messages[] = {"003: TANK LOW", "004: PUMP 2 RUNNING", "005: DOOR OPEN"};
  for (int i = 0; i < 3; ++i) {
    QRectF row(list.left() + 6, list.top() + 4 + i * list.height() / 3.2, list.width() - 12, list.height() / 3.2);
    if (i == 1) {
      painter.setPen(QPen(Qt::red, 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawRoundedRect(row.adjusted(-3, 0, 3, 0), 5, 5);
      painter.setPen(Qt::black);
    }
    painter.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, messages[i]);
  }

  // The panel, below.
  QRectF panel(w * 0.03, h * 0.45, w * 0.94, h * 0.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBezel);
  painter.drawRoundedRect(panel, 10, 10);
  QRectF display(panel.left() + panel.width() * 0.05, panel.top() + panel.height() * 0.15, panel.width() * 0.66,
                 panel.height() * 0.7);
  painter.setBrush(kDisplay);
  painter.drawRect(display);
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  mono.setPointSizeF(small.pointSizeF());
  painter.setFont(mono);
  painter.setPen(Qt::black);
  QRectF line1(display.left() + 6, display.top() + 4, display.width() - 12, display.height() / 2 - 4);
  painter.drawText(line1, Qt::AlignVCenter | Qt::AlignLeft, "PUMP 2 RUNNING");
  painter.setPen(QPen(Qt::red, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(line1.adjusted(-3, 0, 3, 0), 5, 5);

  // The PLC message LED, lit.
  QPointF led(panel.left() + panel.width() * 0.86, panel.top() + panel.height() * 0.36);
  double radius = std::min(w, h) * 0.04;
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QColor(255, 40, 40));
  painter.drawEllipse(led, radius, radius);
  painter.setFont(small);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(led.x() - w * 0.1, led.y() + radius * 2 + 2, w * 0.2, h * 0.08), Qt::AlignCenter,
                   "PLC MSG");
  painter.setPen(QPen(Qt::red, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(led.x() - radius * 2, led.y() - radius * 2, radius * 4, radius * 4), 6, 6);

  // Value -> message 4 -> line 1; and the LED.
  Arrow(painter, QPointF(value.right(), value.center().y()), QPointF(list.left(), value.center().y()));
  Arrow(painter, QPointF(list.center().x(), list.bottom()), QPointF(list.center().x(), line1.top() - 2));
  Arrow(painter, QPointF(led.x(), list.center().y()), QPointF(led.x(), led.y() - radius * 2 - 2));
}

}  // namespace lumora::gui
