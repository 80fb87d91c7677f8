#include "report/report_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "report/latin1.h"

namespace lumora {
namespace {

QFont MakeFont(const ReportFont& font) {
  QFont qfont(QStringLiteral("Arial"));
  qfont.setPointSize(font.points);
  qfont.setBold(font.bold);
  qfont.setUnderline(font.underline);
  // The same glyph widths everywhere: no hinting to the device's pixel grid.
  qfont.setHintingPreference(QFont::PreferNoHinting);
  qfont.setKerning(false);
  return qfont;
}

QColor Colour(ReportColour colour) {
  switch (colour) {
    case ReportColour::Red:
      return QColor(255, 0, 0);
    case ReportColour::Blue:
      return QColor(0, 0, 255);
    case ReportColour::Green:
      return QColor(0, 128, 0);
    case ReportColour::Black:
      break;
  }
  return Qt::black;
}

}  // namespace

ReportDevice DescribeDevice(const QPaintDevice& device, bool landscape, bool colour) {
  ReportDevice described;
  described.widthMm = device.widthMM();
  described.heightMm = device.heightMM();
  described.landscape = landscape;
  described.colour = colour;
  return described;
}

TextMeasure DeviceTextMeasure(const QPaintDevice& device) {
  // A layout measures the same texts over and over (wrapping a cell tries every prefix of its lines, and a
  // row is laid out when the pages are planned and again when it is drawn): each width is shaped once.
  struct FontWidths {
    explicit FontWidths(QFontMetricsF fontMetrics) : metrics(std::move(fontMetrics)) {}
    QFontMetricsF metrics;
    std::unordered_map<std::string, double> widths;
  };
  struct Cache {
    std::map<std::tuple<int, bool, bool>, FontWidths> fonts;
  };
  auto cache = std::make_shared<Cache>();
  const QPaintDevice* target = &device;
  double perUnit = device.logicalDpiX() / 100.0;
  return [cache, target, perUnit](std::string_view text, const ReportFont& font) {
    auto key = std::make_tuple(font.points, font.bold, font.underline);
    auto it = cache->fonts.find(key);
    if (it == cache->fonts.end()) it = cache->fonts.emplace(key, QFontMetricsF(MakeFont(font), target)).first;
    FontWidths& widths = it->second;
    auto [known, added] = widths.widths.try_emplace(std::string(text), 0.0);
    if (added) known->second = widths.metrics.horizontalAdvance(FromLatin1(text)) / perUnit;
    return known->second;
  };
}

void PaintReportPage(QPainter& painter, const QPaintDevice& device, const ReportPage& page) {
  const double sx = device.logicalDpiX() / 100.0;
  const double sy = device.logicalDpiY() / 100.0;
  auto box = [&](const ReportItem& item) {
    return QRectF(item.left * sx, item.top * sy, (item.right - item.left) * sx, (item.bottom - item.top) * sy);
  };
  QPen pen(Qt::black, sx, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const ReportItem& item : page.items) {
    switch (item.kind) {
      case ReportItem::Kind::Shade:
        painter.fillRect(box(item), QColor(224, 224, 224));
        break;
      case ReportItem::Kind::Frame:
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box(item));
        break;
      case ReportItem::Kind::Line:
        painter.setPen(pen);
        painter.drawLine(QPointF(item.left * sx, item.top * sy), QPointF(item.right * sx, item.bottom * sy));
        break;
      case ReportItem::Kind::Text: {
        if (item.text.empty()) break;
        painter.setFont(MakeFont(item.font));
        painter.setPen(Colour(item.colour));
        QByteArray bytes(item.text.data(), static_cast<qsizetype>(item.text.size()));
        QString text = item.fileName ? QFile::decodeName(bytes) : QString::fromLatin1(bytes);
        int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip |
                    (item.centred ? Qt::AlignHCenter : Qt::AlignLeft);
        if (!item.vertical) {
          painter.drawText(box(item), flags, text);
          break;
        }
        QRectF area = box(item);
        painter.save();
        painter.translate(area.center().x(), area.bottom());
        painter.rotate(-90);
        painter.drawText(QRectF(0, -area.width() / 2, area.height(), area.width()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
        painter.restore();
        break;
      }
    }
  }
}

}  // namespace lumora
