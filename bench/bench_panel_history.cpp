// Panel > "Panel History..." with a full history: 500 entries over 50 projects, the index read and the list
// filled and shown. The history is kept once, before the clock starts.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include "app/panel_history_dlg.h"
#include "support/install_tree.h"
#include "support/temp_dir.h"
#include "transfer/panel_history.h"

namespace {

using namespace lumora;

std::string gFolder;

void BM_OpenThePanelHistoryWith500Entries(benchmark::State& state) {
  for (auto _ : state) {
    gui::CPanelHistoryDlg dialog(gFolder, nullptr);
    dialog.show();
    QApplication::processEvents();  // shown and painted
    if (dialog.List()->topLevelItemCount() != kDefaultHistoryLimit) {
      state.SkipWithError("the list does not hold the 500 entries");
      break;
    }
  }
}
BENCHMARK(BM_OpenThePanelHistoryWith500Entries)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  lumora::testing::TempDir home;
  gFolder = home.File("history");
  PanelHistory history(gFolder);
  std::string project =
      lumora::testing::TempDir::Read(lumora::testing::StageDir() + "/Project/demo-qm210.lmx");
  std::vector<std::string> warnings;
  for (int n = 0; n < kDefaultHistoryLimit; ++n) {
    PanelHistoryEntry entry;
    entry.operation = n % 3 == 0 ? "read" : "write";
    entry.target = "Panel " + std::to_string(n % 5 + 1);
    entry.port = "/dev/ttyUSB0";
    entry.model = n % 2 ? "QM210" : "QM410";
    entry.firmware = "B.2";
    entry.projectName = "line-" + std::to_string(n % 50) + ".lmx";
    if (!history.Add(entry, project + std::to_string(n % 50), kDefaultHistoryLimit, warnings)) return 1;
  }

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
