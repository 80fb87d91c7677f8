// The print commands of a project window and of the address database, on the offscreen platform.

#include <QAction>
#include <QMdiArea>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/report_printing.h"
#include "app/view_address_dlg.h"
#include "gui_harness.h"
#include "support/run_process.h"

namespace {

// The text of a PDF page by page, read back with pdftotext (poppler-utils).
QStringList PdfPages(const std::string& pdf) {
  lumora::testing::ProcessResult text = lumora::testing::RunProcess({"/usr/bin/pdftotext", "-layout", pdf, "-"});
  if (text.exitCode != 0) return {};
  QStringList pages = QString::fromStdString(text.out).split('\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

}  // namespace

class ReportGuiTest : public GuiTestBase {
  Q_OBJECT

  CLumoraView* Open(const std::string& name) {
    if (!Frame()->OpenDocumentFile(CopyOfDemo(name))) return nullptr;
    return Frame()->ActiveView();
  }

  QAction* Action(const char* name) { return Frame()->findChild<QAction*>(name); }

  void CloseAll() {
    gRecorder.answer = Answer::No;
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

 private slots:
  void printCommandsNeedAProject() {
    CloseAll();
    QVERIFY(Action("actionPrint"));
    QVERIFY(!Action("actionPrint")->isVisible());
    QVERIFY(!Action("actionExportPdf")->isVisible());
    QVERIFY(Open("print-menu.lmx"));
    QVERIFY(Action("actionPrint")->isVisible());
    QCOMPARE(Action("actionPrint")->shortcut(), QKeySequence("Ctrl+P"));
    QVERIFY(Action("actionPrintPreview")->isVisible());
    QVERIFY(Action("actionPrintSetup")->isVisible());
    QVERIFY(Action("actionExportPdf")->isVisible());
    CloseAll();
  }

  void exportAsPdfWritesTheReport() {
    QVERIFY(Open("export.lmx"));
    std::string pdf = gHome->File("export.pdf");
    gRecorder.nextSaveFile = QString::fromStdString(pdf);
    Action("actionExportPdf")->trigger();
    QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages[0].contains("Lumora Operator Interface Panel Project Documentation"));
    QVERIFY(pages[0].contains(QString::fromStdString(gHome->File("export.lmx"))));
    QVERIFY(pages[1].contains("PLC Messages"));
    QVERIFY(pages[2].contains("Local Messages"));
    CloseAll();
  }

  void printerPrintsItsPageRange() {
    QVERIFY(Open("range.lmx"));
    std::string pdf = gHome->File("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    QCOMPARE(PrintReportPages(printer, Frame()->ActiveView()->Document()->Project(),
                              Frame()->ActiveView()->Document()->PathName()),
             2);
    QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains("PLC Messages"));
    QVERIFY(pages[1].contains("Local Messages"));
    QCOMPARE(pages[1].trimmed().split('\n').last().trimmed(), QString("3"));
    CloseAll();
  }

  void previewShowsEveryPage() {
    QVERIFY(Open("preview.lmx"));
    int shown = -1;
    OnNextDialog<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
      auto* widget = preview->findChild<QPrintPreviewWidget*>();
      shown = widget ? widget->pageCount() : -2;
      preview->reject();
    });
    Action("actionPrintPreview")->trigger();
    QCOMPARE(shown, 3);
    CloseAll();
  }

  void addressDatabasePrintsAndExports() {
    CLumoraView* view = Open("addresses.lmx");
    QVERIFY(view);
    std::string pdf = gHome->File("addresses.pdf");
    bool printEnabled = false;
    OnNextDialog<CViewAddressDlg>([&](CViewAddressDlg* dialog) {
      printEnabled = dialog->findChild<QPushButton*>("printButton")->isEnabled();
      gRecorder.nextSaveFile = QString::fromStdString(pdf);
      dialog->findChild<QPushButton*>("pdfButton")->click();
      dialog->reject();
    });
    view->OnAddressDatabase();
    QVERIFY(printEnabled);
    QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains("Project PLC(s)/Controller(s) :"));
    QVERIFY(pages[0].contains("Used in Message #"));
    CloseAll();
  }
};

int RunReportGuiTests(int argc, char** argv) {
  ReportGuiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "report_gui_test.moc"
