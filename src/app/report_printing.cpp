#include "app/report_printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>
#include <optional>

#include "app/gui_interaction.h"
#include "app/modal_run.h"
#include "model/project.h"
#include "report/address_list_layout.h"
#include "report/report.h"
#include "report/report_painter.h"
#include "report/report_pdf.h"

namespace lumora::gui {
namespace {


bool Landscape(const QPrinter& printer) {
  return printer.pageLayout().orientation() == QPageLayout::Landscape;
}

bool Colour(const QPrinter& printer) {
  return printer.colorMode() == QPrinter::Color;
}

// Pages first..last (0: to the end) of a layout with PageCount() and Page(n), on an active painter.
template <typename Layout>
int PaintPages(QPrinter& printer, QPainter& painter, Layout& layout, int first, int last) {
  int count = layout.PageCount();
  first = std::max(1, first);
  last = last <= 0 ? count : std::min(last, count);
  int printed = 0;
  for (int page = first; page <= last; ++page) {
    if (printed > 0) printer.newPage();
    PaintReportPage(painter, printer, layout.Page(page));
    ++printed;
  }
  return printed;
}

// The settings of a PDF that looks like the shared printer's output.
PdfSettings PdfLikePrinter() {
  PdfSettings settings;
  QPrinter& printer = SharedPrinter();
  QPageSize::PageSizeId paper = printer.pageLayout().pageSize().id();
  settings.paper = paper == QPageSize::A4 || paper == QPageSize::Letter ? paper : LocalePaper();
  settings.landscape = Landscape(printer);
  settings.colour = Colour(printer);
  return settings;
}

std::optional<QString> AskPdfFile(QWidget* parent, const std::string& defaultName) {
  FilePrompt prompt;
  prompt.title = ToLatin1(QCoreApplication::translate("ReportPrinting", "Export as PDF"));
  prompt.filter = ToLatin1(QCoreApplication::translate("ReportPrinting", "PDF Files (*.pdf)") + "|*.pdf|" +
                           QCoreApplication::translate("ReportPrinting", "All Files (*.*)") + "|*.*||");
  prompt.defaultExtension = "pdf";
  prompt.defaultName = defaultName;
  prompt.overwritePrompt = true;
  return AskSaveFile(parent, prompt);
}

std::string BaseName(const QString& documentPath) {
  QString name = documentPath.section('/', -1);
  if (name.endsWith(".lmx", Qt::CaseInsensitive)) name.chop(4);
  return ToPath(name.isEmpty() ? QCoreApplication::translate("ReportPrinting", "Project") : name);
}

}  // namespace

QPrinter& SharedPrinter() {
  static QPrinter* printer = [] {
    auto* created = new QPrinter(QPrinter::HighResolution);
    if (!created->pageLayout().pageSize().isValid()) created->setPageSize(QPageSize(LocalePaper()));
    created->setColorMode(QPrinter::Color);
    return created;
  }();
  return *printer;
}

void PrintSetup(QWidget* parent) {
  QPageSetupDialog dialog(&SharedPrinter(), parent);
  ExecModal(dialog);
}

int PrintReportPages(QPrinter& printer, const TQMProject& project, const QString& documentPath) {
  TQMReport report(project, documentPath, printer, Landscape(printer), Colour(printer));
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  bool range = printer.printRange() == QPrinter::PageRange;
  int printed = 0;
  int count = report.PageCount();
  int first = range ? std::max(1, printer.fromPage()) : 1;
  int last = range && printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
  for (int page = first; page <= last; ++page) {
    if (printed > 0) printer.newPage();
    report.PrintPage(painter, page);
    ++printed;
  }
  painter.end();
  return printed;
}

void PrintProjectReport(QWidget* parent, const TQMProject& project, const QString& documentPath) {
  QPrinter& printer = SharedPrinter();
  int pages = TQMReport(project, documentPath, printer, Landscape(printer), Colour(printer)).PageCount();
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, pages);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (ExecModal(dialog) != QDialog::Accepted) return;
  PrintReportPages(printer, project, documentPath);
}

void PreviewProjectReport(QWidget* parent, const TQMProject& project, const QString& documentPath) {
  QPrintPreviewDialog preview(&SharedPrinter(), parent);
  preview.setObjectName("printPreview");
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* printer) {
    TQMReport report(project, documentPath, *printer, Landscape(*printer), Colour(*printer));
    QPainter painter(printer);
    int count = report.PageCount();
    for (int page = 1; page <= count; ++page) {
      if (page > 1) printer->newPage();
      report.PrintPage(painter, page);
    }
  });
  ExecModal(preview);
}

void ExportProjectReportPdf(QWidget* parent, const TQMProject& project, const QString& documentPath) {
  std::optional<QString> file = AskPdfFile(parent, BaseName(documentPath) + ".pdf");
  if (!file) return;
  PdfOutcome outcome = WriteReportPdf(project, documentPath, *file, PdfLikePrinter());
  if (!outcome.error.isEmpty())
    ShowMessageBox(parent, outcome.error, QCoreApplication::translate("ReportPrinting", "Export as PDF"),
                   MessageIcon::Error);
}

int PrintAddressListPages(QPrinter& printer, const TQMProject& project, const TQMPanel& panel) {
  AddressListLayout layout(project, panel, DescribeDevice(printer, Landscape(printer), Colour(printer)),
                           DeviceTextMeasure(printer));
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  bool range = printer.printRange() == QPrinter::PageRange;
  int printed = PaintPages(printer, painter, layout, range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
  painter.end();
  return printed;
}

void PrintAddressList(QWidget* parent, const TQMProject& project, const TQMPanel& panel) {
  QPrintDialog dialog(&SharedPrinter(), parent);
  if (ExecModal(dialog) != QDialog::Accepted) return;
  PrintAddressListPages(SharedPrinter(), project, panel);
}

void ExportAddressListPdf(QWidget* parent, const TQMProject& project, const TQMPanel& panel) {
  std::optional<QString> file =
      AskPdfFile(parent, ToPath(QCoreApplication::translate("ReportPrinting", "PLC Addresses") + ".pdf"));
  if (!file) return;
  PdfOutcome outcome = WriteAddressListPdf(project, panel, *file, PdfLikePrinter());
  if (!outcome.error.isEmpty())
    ShowMessageBox(parent, outcome.error, QCoreApplication::translate("ReportPrinting", "Export as PDF"),
                   MessageIcon::Error);
}

}  // namespace lumora::gui
