#pragma once
// The printed documentation written as PDF files: the project report and a panel's address list, page for
// page as a printer would get them.

#include <QPageSize>
#include <QString>

namespace lumora {
class TQMPanel;
class TQMProject;
}  // namespace lumora

namespace lumora::gui {

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

// A4, or Letter where the locale measures in US units.
QPageSize::PageSizeId LocalePaper();

PdfOutcome WriteReportPdf(const TQMProject& project, const QString& documentPath, const QString& file,
                          const PdfSettings& settings);
PdfOutcome WriteAddressListPdf(const TQMProject& project, const TQMPanel& panel, const QString& file,
                               const PdfSettings& settings);

}  // namespace lumora::gui
