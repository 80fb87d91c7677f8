#include "editors/connector_frame.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace lumora::gui {

CConnectorFrame::CConnectorFrame(QWidget* parent) : QWidget(parent) {}

void CConnectorFrame::AddConnector(QWidget* from, QWidget* to, QColor color, double fromAt, double toAt) {
  links_.push_back({from, to, color, fromAt, toAt});
  update();
}

void CConnectorFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Link& link : links_) {
    if (!link.from || !link.to || !link.from->isVisible() || !link.to->isVisible()) continue;
    QRectF a(link.from->mapTo(this, QPoint(0, 0)), link.from->size());
    QRectF b(link.to->mapTo(this, QPoint(0, 0)), link.to->size());
    bool down = a.center().y() < b.center().y();
    QPointF start(a.left() + a.width() * link.fromAt, down ? a.bottom() + 1 : a.top() - 1);
    QPointF end(b.left() + b.width() * link.toAt, down ? b.top() - 1 : b.bottom() + 1);
    double middle = (start.y() + end.y()) / 2;
    QPainterPath path(start);
    path.lineTo(start.x(), middle);
    path.lineTo(end.x(), middle);
    double head = down ? -6 : 6;
    path.lineTo(end.x(), end.y() + head);
    painter.setPen(QPen(link.color, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    QPolygonF arrow({end, QPointF(end.x() - 4, end.y() + head), QPointF(end.x() + 4, end.y() + head)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(link.color);
    painter.drawPolygon(arrow);
  }
}

}  // namespace lumora::gui
