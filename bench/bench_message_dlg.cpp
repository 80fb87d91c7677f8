// The message editor on the fullest text panel: 128 PLC messages and 128 local items in four menu levels,
// opened on a copy of the project and left with OK. A panel holds 300 PLC addresses at most (one per data
// item): every message has a data item, the first 40 have three, which uses up the panel's addresses.
// The second case is the whole of what the main view does for it: the copy the editor works on, the editor,
// OK, and the document's comparison of the result with the project as a file holds them (an OK that
// changed nothing is no step).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>

#include "editors/message_dlg.h"
#include "model/interaction.h"
#include "model/message_list_edit.h"
#include "model/project_file.h"
#include "plc/installed_plc_environment.h"
#include "support/install_tree.h"
#include "support/sample_projects.h"

namespace {

using namespace lumora;

std::string Markers(char marker, int count) {
  return std::string(static_cast<size_t>(count), marker);
}

void AddDataItems(TQMMessage& message, int n) {
  char address[16];
  std::snprintf(address, sizeof address, "V%o", 1000 + n * 3);
  testing::SetTarvoAddress(message.data1, address);
  if (n > 40) {
    message.text = "M" + Markers('\xFF', 5);
    return;
  }
  message.text = "M" + Markers('\xFF', 5) + " " + Markers('\xFE', 5) + " " + Markers('\xFD', 5);
  std::snprintf(address, sizeof address, "V%o", 1000 + n * 3 + 1);
  testing::SetTarvoAddress(message.data2, address);
  std::snprintf(address, sizeof address, "V%o", 1000 + n * 3 + 2);
  testing::SetTarvoAddress(message.data3, address);
}

// Questions get their default answer; a message means the run went wrong, so it is printed.
class PrintingInteraction : public SilentInteraction {
 public:
  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  }
};

// The project of both cases, its PLC library loaded.
struct FullPanel {
  FullPanel() {
    catalogue.Discover(ui);
    Fill();
  }
  void Fill();

  PrintingInteraction ui;
  PlcCatalogue catalogue;
  InstalledPlcEnvironment environment{catalogue, ui};
  TQMProject project{{&ui, &environment}};
};

void FullPanel::Fill() {
  project.plcSettings.plcName = "Tarvo DL-205";
  for (const PlcCatalogueEntry& entry : catalogue.Entries())
    if (entry.name == project.plcSettings.plcName) project.plcSettings.libraryName = entry.path;
  project.plcSettings.addressSize = 4;
  project.plcSettings.SetHeader(31, 2);
  project.ReloadPlcLibrary(project.plcSettings.libraryName);
  TQMPanel panel(&project, kPanelQM210K);
  for (int n = 1; n <= 128; ++n) {
    TQMMessage message = panel.NewMessage();
    message.number = n;
    message.isPlcMessage = 1;
    AddDataItems(message, n);
    panel.messages.push_back(message);
  }
  // Local items: a folder at levels 0, 1 and 2, then five messages at level 3, over and over.
  for (int i = 0; i < 128; ++i) {
    TQMMessage item = panel.NewMessage();
    int step = i % 8;
    item.isPlcMessage = 0;
    item.isFolder = step < 3 ? 1 : 0;
    item.level = static_cast<int16_t>(step < 3 ? step : 3);
    if (item.isFolder)
      item.text = "FOLDER";
    else
      AddDataItems(item, 128 + i);
    panel.messages.push_back(item);
  }
  // Numbered as a saved project is (local items 256, 255, ...), so that OK leaves it as it was.
  MessageListEdit(panel).Finish();
  project.PutPanel(panel);
}

void BM_OpenTheMessageEditorAndLeaveWithOk(benchmark::State& state) {
  FullPanel full;
  TQMProject& project = full.project;
  for (auto _ : state) {
    state.PauseTiming();
    TQMProject copy(project);
    copy.ReloadPlcLibrary(copy.plcSettings.libraryName);
    state.ResumeTiming();
    gui::CPLCMessageDlg dialog(copy);
    dialog.show();
    QApplication::processEvents();
    dialog.accept();
    if (dialog.result() != QDialog::Accepted) state.SkipWithError("OK was refused");
  }
}
BENCHMARK(BM_OpenTheMessageEditorAndLeaveWithOk)->Unit(benchmark::kMillisecond);

void BM_EditMessagesAsTheMainViewDoes(benchmark::State& state) {
  FullPanel full;
  const TQMProject& project = full.project;
  for (auto _ : state) {
    TQMProject copy(project);
    gui::CPLCMessageDlg dialog(copy);
    dialog.show();
    QApplication::processEvents();
    dialog.accept();
    if (dialog.result() != QDialog::Accepted) state.SkipWithError("OK was refused");
    bool same = ProjectFileText(copy) == ProjectFileText(project) &&
                copy.textPanelTagMap == project.textPanelTagMap &&
                copy.setPointTagMap == project.setPointTagMap;
    if (!same) state.SkipWithError("an OK that changed nothing changed the project");
  }
}
BENCHMARK(BM_EditMessagesAsTheMainViewDoes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  lumora::testing::ScopedInstallDir install(lumora::testing::StageDir());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
