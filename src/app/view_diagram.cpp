#include "app/view_diagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <initializer_list>

#include "app/multiplexer_diagram.h"
#include "app/port_static.h"
#include "ui_lumora_view.h"
#include "ui_multiplexer_group.h"

namespace lumora::gui {
namespace {

const QColor kStepAreaColour(255, 0, 0);
const QColor kStepArrowColour(160, 0, 0);

QRectF RectIn(const QWidget* widget, const QWidget* ancestor) {
  return QRectF(widget->mapTo(ancestor, QPoint(0, 0)), QSizeF(widget->size()));
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width) {
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(from, to);
  double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  double head = 4 + width * 2;
  QPolygonF tip;
  tip << to << to - QPointF(head * std::cos(angle - 0.45), head * std::sin(angle - 0.45))
      << to - QPointF(head * std::cos(angle + 0.45), head * std::sin(angle + 0.45));
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(tip);
}

// The picture a label shows, centred in the label; the label itself when it shows none.
QRectF PictureIn(const QLabel* label, const QWidget* ancestor) {
  QRectF rect = RectIn(label, ancestor);
  if (label->pixmap().isNull()) return rect;
  QSizeF picture = label->pixmap().deviceIndependentSize();
  return QRectF(rect.center() - QPointF(picture.width() / 2, picture.height() / 2), picture);
}

}  // namespace

void PaintViewDiagram(QWidget& view, const Ui::LumoraView& ui, const Ui::MultiplexerGroup& mux, bool multiPanel) {
  QPainter painter(&view);
  painter.setRenderHint(QPainter::Antialiasing);
  DiagramGeometry geometry;
  geometry.multiplexer = PictureIn(mux.muxPicture, &view);
  const QWidget* ports[] = {mux.portLabel1, mux.portLabel2, mux.portLabel3, mux.portLabel4, mux.portLabel5};
  for (size_t i = 0; i < geometry.ports.size(); ++i) geometry.ports[i] = RectIn(ports[i], &view);
  geometry.plc = PictureIn(mux.plcPicture, &view);
  geometry.multiPanelRadio = RectIn(ui.multiRadio, &view);
  geometry.multiplexerGroup = RectIn(ui.multiplexerGroup, &view);
  for (const DiagramConnector& connector : MultiplexerConnectors(geometry, multiPanel)) {
    painter.setPen(QPen(connector.colour, connector.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(connector.path);
  }
  // The step area in red, and arrows from step 3 to the editors offered.
  painter.setPen(QPen(kStepAreaColour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(RectIn(ui.stepArea, &view).adjusted(1, 1, -1, -1));
  // From the middle of the big "3", which sits at the top of its label.
  QRectF step = RectIn(ui.step3Label, &view);
  QFontMetricsF metrics(ui.step3Label->font());
  QPointF from(step.center().x() + metrics.horizontalAdvance("3") / 2 + 4, step.top() + metrics.ascent() * 0.6);
  for (QWidget* target : std::initializer_list<QWidget*>{ui.messagesButton, ui.buttonsLedsButton,
                                                         ui.annunciatorButton, ui.configurePanelLabel}) {
    if (target->isHidden()) continue;
    QRectF rect = RectIn(target, &view);
    DrawArrow(painter, from, QPointF(rect.left() - 2, rect.center().y()), kStepArrowColour, 2);
  }
}

}  // namespace lumora::gui
