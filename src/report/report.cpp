#include "report/report.h"

#include <QFile>
#include <QPainter>

#include "report/report_painter.h"
#include "model/project.h"

namespace lumora {

TQMReport::TQMReport(const TQMProject& project, const QString& documentPath, const QPaintDevice& device,
                     bool landscape, bool colour)
    : device_(device),
      layout_(project, QFile::encodeName(documentPath).toStdString(), DescribeDevice(device, landscape, colour),
              DeviceTextMeasure(device)) {}

TQMReport::~TQMReport() = default;

void TQMReport::PrintPage(QPainter& painter, int page) {
  PaintReportPage(painter, device_, layout_.Page(page));
}

}  // namespace lumora
