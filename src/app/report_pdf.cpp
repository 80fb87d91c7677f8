#include "app/report_pdf.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "app/report_painter.h"
#include "model/address_list_layout.h"
#include "model/project.h"
#include "model/report_layout.h"

namespace lumora::gui {
namespace {

// A printer's usual unprintable border: the report's own margins lie inside it.
constexpr double kPaperMarginMm = 6.35;

std::unique_ptr<QPdfWriter> OpenWriter(const QString& file, const PdfSettings& settings, const QString& title) {
  auto writer = std::make_unique<QPdfWriter>(file);
  writer->setCreator(QStringLiteral("Lumora Write Utility"));
  writer->setTitle(title);
  writer->setPageLayout(QPageLayout(QPageSize(settings.paper),
                                    settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(kPaperMarginMm, kPaperMarginMm, kPaperMarginMm, kPaperMarginMm),
                                    QPageLayout::Millimeter));
  return writer;
}

// Pages firstPage..lastPage of a layout that has PageCount() and Page(n).
template <typename Layout>
PdfOutcome WritePages(QPdfWriter& writer, Layout& layout, const PdfSettings& settings, const QString& file) {
  PdfOutcome outcome;
  outcome.pageCount = layout.PageCount();
  int first = std::max(1, settings.firstPage);
  int last = settings.lastPage <= 0 ? outcome.pageCount : std::min(settings.lastPage, outcome.pageCount);
  if (first > last) {
    outcome.error = QStringLiteral("The document has %1 page(s): there is no page %2").arg(outcome.pageCount).arg(first);
    return outcome;
  }
  QPainter painter;
  if (!painter.begin(&writer)) {
    outcome.error = QStringLiteral("Cannot write %1").arg(file);
    return outcome;
  }
  for (int page = first; page <= last; ++page) {
    if (page > first) writer.newPage();
    PaintReportPage(painter, writer, layout.Page(page));
    ++outcome.pagesWritten;
  }
  painter.end();
  return outcome;
}

}  // namespace

QPageSize::PageSizeId LocalePaper() {
  return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

PdfOutcome WriteReportPdf(const TQMProject& project, const QString& documentPath, const QString& file,
                          const PdfSettings& settings) {
  std::unique_ptr<QPdfWriter> writer = OpenWriter(file, settings, QStringLiteral("Project Documentation"));
  ReportLayout layout(project, documentPath.toLatin1().toStdString(),
                      DescribeDevice(*writer, settings.landscape, settings.colour), DeviceTextMeasure(*writer));
  return WritePages(*writer, layout, settings, file);
}

PdfOutcome WriteAddressListPdf(const TQMProject& project, const TQMPanel& panel, const QString& file,
                               const PdfSettings& settings) {
  std::unique_ptr<QPdfWriter> writer = OpenWriter(file, settings, QStringLiteral("PLC Addresses"));
  AddressListLayout layout(project, panel, DescribeDevice(*writer, settings.landscape, settings.colour),
                           DeviceTextMeasure(*writer));
  return WritePages(*writer, layout, settings, file);
}

}  // namespace lumora::gui
