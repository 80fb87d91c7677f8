// The project documentation of a full QM210K panel (256 messages with three data items each) written as
// a PDF file, every page.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "model/project.h"
#include "report/report_pdf.h"
#include "support/sample_projects.h"
#include "support/temp_dir.h"

namespace {

using namespace lumora;

void BM_ReportPdfOfAFullKeypadPanel(benchmark::State& state) {
  TQMProject project = testing::MakeMaximalProject({});
  project.multiplexer.selectedPort = 3;  // the QM210K
  testing::TempDir dir;
  QString file = QString::fromStdString(dir.File("report.pdf"));
  PdfSettings settings;
  PdfOutcome outcome;
  for (auto _ : state) {
    outcome = WriteReportPdf(project, "/projects/plant.lmx", file, settings);
    if (!outcome.error.isEmpty()) state.SkipWithError(outcome.error.toStdString().c_str());
  }
  state.counters["pages"] = outcome.pagesWritten;
  state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(dir.File("report.pdf")));
}
BENCHMARK(BM_ReportPdfOfAFullKeypadPanel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
