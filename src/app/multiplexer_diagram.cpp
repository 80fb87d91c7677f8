#include "app/multiplexer_diagram.h"

namespace lumora::gui {

std::vector<DiagramConnector> MultiplexerConnectors(const DiagramGeometry& g, bool multiPanel) {
  std::vector<DiagramConnector> connectors;
  QColor ports = multiPanel ? kActiveConnectorColour : kIdleConnectorColour;
  QColor radio = multiPanel ? kRadioConnectorColour : kIdleConnectorColour;
  const QRectF& mux = g.multiplexer;
  for (size_t i = 0; i < g.ports.size(); ++i) {
    const QRectF& label = g.ports[i];
    double startY = mux.top() + mux.height() * static_cast<double>(i + 1) / 6.0;
    bool labelRight = label.center().x() >= mux.center().x();
    double startX = labelRight ? mux.right() : mux.left();
    double endX = labelRight ? label.left() : label.right();
    double bendX = (startX + endX) / 2;
    QPolygonF path;
    path << QPointF(startX, startY) << QPointF(bendX, startY) << QPointF(bendX, label.center().y())
         << QPointF(endX, label.center().y());
    connectors.push_back({path, ports, 10});
  }
  QPolygonF down;
  down << QPointF(mux.center().x(), mux.bottom()) << QPointF(mux.center().x(), g.plc.top());
  connectors.push_back({down, ports, 10});
  QPolygonF fromRadio;
  double radioY = g.multiPanelRadio.center().y();
  fromRadio << QPointF(g.multiPanelRadio.right(), radioY) << QPointF(g.multiplexerGroup.left(), radioY);
  connectors.push_back({fromRadio, radio, 20});
  return connectors;
}

}  // namespace lumora::gui
