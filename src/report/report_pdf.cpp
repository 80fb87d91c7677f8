#include "report/report_pdf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "model/file_io.h"
#include "model/project.h"
#include "report/address_list_layout.h"
#include "report/latin1.h"
#include "report/report_layout.h"
#include "report/report_painter.h"

namespace lumora {
namespace {

// A printer's usual unprintable border: the report's own margins lie inside it.
constexpr double kPaperMarginMm = 6.35;

QString PathError(const QString& file, const std::string& reason) {
  return QStringLiteral("%1: %2").arg(file, FromReasonText(reason));
}

// The document is made in memory and then written as a whole, so that a failed or killed run never leaves
// half a PDF (or an empty file) where the old one was.
class PdfDocument {
 public:
  PdfDocument(const PdfSettings& settings, const QString& title) : writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setCreator(QStringLiteral("Lumora Write Utility"));
    writer_.setTitle(title);
    writer_.setPageLayout(QPageLayout(QPageSize(settings.paper),
                                      settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(kPaperMarginMm, kPaperMarginMm, kPaperMarginMm, kPaperMarginMm),
                                      QPageLayout::Millimeter));
  }
  QPdfWriter& Writer() { return writer_; }
  const QByteArray& Bytes() const { return buffer_.data(); }

 private:
  QBuffer buffer_;
  QPdfWriter writer_;
};

// Pages firstPage..lastPage of a layout that has PageCount() and Page(n), then the file.
template <typename Layout>
PdfOutcome WritePages(PdfDocument& document, Layout& layout, const PdfSettings& settings, const QString& file) {
  PdfOutcome outcome;
  outcome.pageCount = layout.PageCount();
  int first = std::max(1, settings.firstPage);
  int last = settings.lastPage <= 0 ? outcome.pageCount : std::min(settings.lastPage, outcome.pageCount);
  if (first > last) {
    outcome.error =
        QCoreApplication::translate("ReportPdf", "The document has %1 page(s): there is no page %2")
            .arg(outcome.pageCount)
            .arg(first);
    return outcome;
  }
  QPdfWriter& writer = document.Writer();
  QPainter painter;
  if (!painter.begin(&writer)) {
    outcome.error = QCoreApplication::translate("ReportPdf", "Cannot write %1").arg(file);
    return outcome;
  }
  int written = 0;
  for (int page = first; page <= last; ++page) {
    if (page > first) writer.newPage();
    PaintReportPage(painter, writer, layout.Page(page));
    ++written;
  }
  painter.end();
  std::string reason;
  if (!WriteFileAtomically(QFile::encodeName(file).toStdString(), document.Bytes().toStdString(), &reason)) {
    outcome.error = PathError(file, reason);
    return outcome;
  }
  outcome.pagesWritten = written;
  return outcome;
}

}  // namespace

QPageSize::PageSizeId LocalePaper() {
  return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QString CheckPdfTarget(const QString& file) {
  std::string reason;
  if (CheckOutputFile(QFile::encodeName(file).toStdString(), &reason)) return {};
  return PathError(file, reason);
}

PdfOutcome WriteReportPdf(const TQMProject& project, const QString& documentPath, const QString& file,
                          const PdfSettings& settings) {
  PdfOutcome outcome;
  outcome.error = CheckPdfTarget(file);
  if (!outcome.error.isEmpty()) return outcome;
  PdfDocument document(settings, QCoreApplication::translate("ReportPdf", "Project Documentation"));
  ReportLayout layout(project, QFile::encodeName(documentPath).toStdString(),
                      DescribeDevice(document.Writer(), settings.landscape, settings.colour),
                      DeviceTextMeasure(document.Writer()));
  return WritePages(document, layout, settings, file);
}

PdfOutcome WriteAddressListPdf(const TQMProject& project, const TQMPanel& panel, const QString& file,
                               const PdfSettings& settings) {
  PdfOutcome outcome;
  outcome.error = CheckPdfTarget(file);
  if (!outcome.error.isEmpty()) return outcome;
  PdfDocument document(settings, QCoreApplication::translate("ReportPdf", "PLC Addresses"));
  AddressListLayout layout(project, panel, DescribeDevice(document.Writer(), settings.landscape, settings.colour),
                           DeviceTextMeasure(document.Writer()));
  return WritePages(document, layout, settings, file);
}

}  // namespace lumora
