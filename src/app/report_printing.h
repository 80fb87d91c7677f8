#pragma once
// The print commands of a project window and of the address database: the printer that Print Setup
// configures, the print dialog, the preview, and the PDF export of the same pages.

#include <QString>

class QPrinter;
class QWidget;

namespace lumora {
class TQMPanel;
class TQMProject;
}  // namespace lumora

namespace lumora::gui {

// One printer for the whole program, so that Print Setup carries over to every print.
QPrinter& SharedPrinter();
// The page set-up dialog on the shared printer.
void PrintSetup(QWidget* parent);

// The print dialog (offering the report's pages), then the chosen pages on the printer.
void PrintProjectReport(QWidget* parent, const TQMProject& project, const QString& documentPath);
void PreviewProjectReport(QWidget* parent, const TQMProject& project, const QString& documentPath);
// Asks for a file and writes the report there as the shared printer would print it.
void ExportProjectReportPdf(QWidget* parent, const TQMProject& project, const QString& documentPath);
// The pages the printer asks for (its page range, or all) after its dialog; returns the pages printed.
int PrintReportPages(QPrinter& printer, const TQMProject& project, const QString& documentPath);

void PrintAddressList(QWidget* parent, const TQMProject& project, const TQMPanel& panel);
void ExportAddressListPdf(QWidget* parent, const TQMProject& project, const TQMPanel& panel);
int PrintAddressListPages(QPrinter& printer, const TQMProject& project, const TQMPanel& panel);

}  // namespace lumora::gui
