#pragma once
// The connectors of the main view's multiplexer diagram: the multiplexer to each port label and down to
// the PLC, and the Multi-Panel radio to the multiplexer group. Pure geometry, drawn by the view.

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <array>
#include <vector>

namespace lumora::gui {

struct DiagramGeometry {
  QRectF multiplexer;  // the multiplexer picture
  std::array<QRectF, 5> ports;
  QRectF plc;
  QRectF multiPanelRadio;
  QRectF multiplexerGroup;
};

struct DiagramConnector {
  QPolygonF path;
  QColor colour;
  int width = 10;
};

inline const QColor kActiveConnectorColour(0, 0, 255);
inline const QColor kRadioConnectorColour(255, 255, 255);
inline const QColor kIdleConnectorColour(170, 170, 150);

// Five port connectors (one sixth of the picture's height apart, ending at the middle of each label's
// near edge), the PLC connector and the radio connector, in that order.
std::vector<DiagramConnector> MultiplexerConnectors(const DiagramGeometry& geometry, bool multiPanel);

}  // namespace lumora::gui
