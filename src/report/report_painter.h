#pragma once
// Paints laid-out report pages on a Qt paint device (printer, PDF writer, print preview), and measures
// texts the way that device will draw them.

#include <QPainter>

#include "report/report_page.h"

namespace lumora {

// The device's printable area, with the orientation and colour the caller chose.
ReportDevice DescribeDevice(const QPaintDevice& device, bool landscape, bool colour);
// Text widths in 0.01 inch in the fonts as `device` resolves them ("Arial").
TextMeasure DeviceTextMeasure(const QPaintDevice& device);
// Draws the page's items; the painter must be active on `device` without a transformation.
void PaintReportPage(QPainter& painter, const QPaintDevice& device, const ReportPage& page);

}  // namespace lumora
