#pragma once
// The printed documentation written as PDF files: the project report and a panel's address list, page for
// page as a printer would get them.

#include <QPageSize>
#include <QString>

namespace lumora {

class TQMPanel;
class TQMProject;

struct PdfSettings {
  QPageSize::PageSizeId paper = QPageSize::A4;
  bool landscape = false;
  bool colour = true;
  int firstPage = 1;
  int lastPage = 0;  // 0: to the last page
};

struct PdfOutcome {
  QString error;  // empty on success
  int pagesWritten = 0;
  int pageCount = 0;  // of the whole document
};

// Empty when a PDF can be written to `file`; else "FILE: reason" (a folder, a FIFO, a read-only file...).
QString CheckPdfTarget(const QString& file);

// A4, or Letter where the locale measures in US units.
QPageSize::PageSizeId LocalePaper();

// Both write the whole file or nothing: the old file stays when anything fails.
PdfOutcome WriteReportPdf(const TQMProject& project, const QString& documentPath, const QString& file,
                          const PdfSettings& settings);
PdfOutcome WriteAddressListPdf(const TQMProject& project, const TQMPanel& panel, const QString& file,
                               const PdfSettings& settings);

}  // namespace lumora
