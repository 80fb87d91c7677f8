#include "app/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "editors/panel_preview.h"
#include "model/codes.h"

namespace lumora::gui {
namespace {

using namespace panel_colours;

// Standing upright (the main view's diagram): a port socket on the right edge every sixth of the height,
// where the connectors to the port labels start, and the PLC socket at the bottom.
void DrawMultiplexerUpright(QPainter& p, const QRectF& r) {
  DrawBezel(p, r);
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(static_cast<int>(r.width() * 0.13));
  p.setFont(font);
  p.setPen(QColor(235, 235, 235));
  p.drawText(QRectF(r.left(), r.top() + r.height() * 0.02, r.width(), r.height() * 0.09), Qt::AlignCenter,
             "Multiplexer");
  font.setBold(false);
  font.setPixelSize(static_cast<int>(r.width() * 0.11));
  p.setFont(font);
  double socket = r.height() * 0.07;
  for (int i = 1; i <= 5; ++i) {
    double y = r.top() + r.height() * i / 6.0;
    QRectF port(r.right() - socket * 1.3, y - socket / 2, socket, socket);
    p.setPen(QPen(kBezelEdge, 1.5));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(port, 2, 2);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(r.left() + r.width() * 0.08, y - socket, port.left() - r.left() - r.width() * 0.1, socket * 2),
               Qt::AlignRight | Qt::AlignVCenter, QString("Port%1").arg(i));
  }
  QRectF plc(r.center().x() - socket * 0.6, r.bottom() - socket * 1.3, socket * 1.2, socket);
  p.setPen(QPen(kBezelEdge, 1.5));
  p.setBrush(QColor(90, 120, 200));
  p.drawRoundedRect(plc, 2, 2);
  p.setPen(QColor(235, 235, 235));
  p.drawText(QRectF(r.left(), plc.top(), plc.left() - r.left() - 4, plc.height()), Qt::AlignRight | Qt::AlignVCenter,
             "PLC");
  p.setPen(Qt::NoPen);
  p.setBrush(kLedOn);
  p.drawEllipse(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.12, socket * 0.5, socket * 0.5));
}

void DrawMultiplexer(QPainter& p, const QRectF& r) {
  if (r.height() > r.width()) {
    DrawMultiplexerUpright(p, r);
    return;
  }
  DrawBezel(p, r);
  DrawBezelLabel(p,
                 QRectF(r.left() + r.width() * 0.05, r.top() + r.height() * 0.05, r.width() * 0.9, r.height() * 0.14),
                 "QM-Multi-Drop Serial Multiplexer");
  double w = r.width() / 6;
  QFont font("Liberation Sans");
  font.setPixelSize(static_cast<int>(r.height() * 0.09));
  for (int i = 0; i < 6; ++i) {
    QRectF port(r.left() + i * w + w * 0.15, r.top() + r.height() * 0.4, w * 0.7, r.height() * 0.3);
    p.setPen(QPen(kBezelEdge, 1.5));
    p.setBrush(i == 0 ? QColor(90, 120, 200) : QColor(200, 200, 205));
    p.drawRoundedRect(port, 3, 3);
    p.setFont(font);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(port.left(), port.bottom() + 2, port.width(), r.height() * 0.15), Qt::AlignCenter,
               i == 0 ? "PLC" : QString("Port%1").arg(i));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kLedOn);
  p.drawEllipse(QRectF(r.right() - r.width() * 0.06, r.top() + r.height() * 0.08, r.height() * 0.08,
                       r.height() * 0.08));
}

// A PLC: a rack with I/O modules.
void DrawPlc(QPainter& p, const QRectF& plc) {
  p.setPen(QPen(kBezelEdge, 2));
  p.setBrush(QColor(200, 200, 195));
  p.drawRoundedRect(plc, 4, 4);
  for (int i = 0; i < 4; ++i) {
    QRectF module(plc.left() + plc.width() * (0.06 + i * 0.235), plc.top() + plc.height() * 0.12,
                  plc.width() * 0.2, plc.height() * 0.76);
    p.setBrush(i == 0 ? QColor(60, 90, 160) : QColor(90, 95, 100));
    p.drawRect(module);
    p.setBrush(kLedOn);
    for (int led = 0; led < 4; ++led) {
      p.drawEllipse(QRectF(module.left() + module.width() * 0.3,
                           module.top() + module.height() * (0.1 + led * 0.12), module.width() * 0.25,
                           module.width() * 0.25));
    }
  }
}

// What the pictures show on a panel's display.
QStringList SampleLines(int unitType) {
  switch (unitType) {
    case kPanelQMSV:
      return {"OVEN TEMP", "00123.45"};
    case kPanelQM410:
      return {"TANK LEVEL  1234 %", "PUMP SPEED 1500 RPM", "TEMP  72.5 C", "> SETTINGS"};
    case kPanelQM210K:
      return {"SET POINT  1234", "PASSWORD=*****"};
    case kPanelQM210G:
      return {"TANK  1234 %", "PUMP  ON"};
    case kPanelQM210:
      return {"TANK LEVEL  1234 %", "PUMP SPEED 1500 RPM"};
    default:
      return {};
  }
}

}  // namespace

QPixmap UnitPicture(int unitType, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF r(2, 2, size.width() - 4, size.height() - 4);
  if (unitType == kPanelMultiplexer) {
    DrawMultiplexer(p, r);
    return pixmap;
  }
  DrawPanel(p, r, unitType, SampleLines(unitType));
  return pixmap;
}

QPixmap WelcomePicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  double w = size.width(), h = size.height();
  QPixmap panel = UnitPicture(kPanelQM210, QSize(static_cast<int>(w * 0.55), static_cast<int>(h * 0.45)));
  p.drawPixmap(QPointF(w * 0.02, h * 0.05), panel);
  QRectF plc(w * 0.68, h * 0.5, w * 0.3, h * 0.42);
  DrawPlc(p, plc);
  QFont font("Liberation Sans");
  font.setPixelSize(static_cast<int>(h * 0.05));
  font.setBold(true);
  p.setFont(font);
  p.setPen(kBezelEdge);
  p.drawText(QRectF(plc.left(), plc.bottom() + 2, plc.width(), h * 0.07), Qt::AlignCenter, "PLC");
  // The RS-232 cable.
  QPainterPath cable;
  QPointF from(w * 0.3, h * 0.5 + 2), to(plc.left() + plc.width() * 0.16, plc.top());
  cable.moveTo(from);
  cable.cubicTo(QPointF(from.x(), h * 0.85), QPointF(to.x(), h * 0.2), to);
  p.setPen(QPen(QColor(40, 40, 40), h * 0.02, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cable);
  return pixmap;
}

QPixmap LogoPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF r(1, 1, size.width() - 2, size.height() - 2);
  QLinearGradient gradient(r.topLeft(), r.bottomRight());
  gradient.setColorAt(0, QColor(20, 90, 200));
  gradient.setColorAt(1, QColor(10, 40, 120));
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawEllipse(r);
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(static_cast<int>(r.height() * 0.55));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, "L");
  return pixmap;
}

QPixmap PlcPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPlc(p, QRectF(2, 2, size.width() - 4, size.height() - 4));
  return pixmap;
}

QIcon LauncherIcon(Launcher launcher, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  double w = size.width(), h = size.height();
  QRectF r(1, 1, w - 2, h - 2);
  p.setPen(QPen(kBezelEdge, 1.5));
  switch (launcher) {
    case Launcher::Messages: {
      // A display with two lines of text.
      p.setBrush(kLcd);
      p.drawRoundedRect(r, 3, 3);
      p.setPen(QPen(kLcdText, h * 0.1));
      for (int line = 0; line < 2; ++line) {
        double y = h * (0.38 + line * 0.28);
        p.drawLine(QPointF(w * 0.18, y), QPointF(w * (line == 0 ? 0.82 : 0.6), y));
      }
      break;
    }
    case Launcher::ButtonsLeds: {
      // Two keys, each under its LED.
      p.setBrush(kBezel);
      p.drawRoundedRect(r, 3, 3);
      for (int key = 0; key < 2; ++key) {
        double x = w * (0.15 + key * 0.42);
        p.setBrush(kLedOn);
        p.drawEllipse(QRectF(x + w * 0.09, h * 0.14, w * 0.12, w * 0.12));
        p.setBrush(kKey);
        p.drawRoundedRect(QRectF(x, h * 0.42, w * 0.3, h * 0.42), 2, 2);
      }
      break;
    }
    case Launcher::Annunciator: {
      // A grid of lamps in the annunciator's colours.
      p.setBrush(kBezel);
      p.drawRoundedRect(r, 3, 3);
      const QColor lamps[] = {Qt::white, QColor(230, 40, 40), QColor(250, 180, 30), QColor(60, 200, 80)};
      for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
          p.setBrush(lamps[(row * 3 + column) % 4]);
          p.drawRect(QRectF(w * (0.12 + column * 0.27), h * (0.18 + row * 0.36), w * 0.22, h * 0.26));
        }
      }
      break;
    }
  }
  return QIcon(pixmap);
}

}  // namespace lumora::gui
