// Opening the largest project a file holds (5 panels x 256 messages, three data items each) into a shown
// main view: reading the file, re-validating every address through the PLC library, building the form.
// The PLC library discovery is waited for before the clock starts.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <malloc.h>

#include <filesystem>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "model/project_file.h"
#include "shell/version_loader.h"
#include "support/fake_plc_environment.h"
#include "support/install_tree.h"
#include "support/sample_projects.h"
#include "support/temp_dir.h"

namespace {

using namespace lumora;
using namespace lumora::gui;

QString gProjectPath;

void BM_OpenMaximalMultiplexerProjectIntoTheView(benchmark::State& state) {
  CMainFrame* frame = CLumoraApp::Instance()->MainFrame();
  CLumoraApp::Instance()->WaitForDiscovery();
  for (auto _ : state) {
    CLumoraDoc* doc = frame->OpenDocumentFile(gProjectPath);
    if (!doc || !frame->ActiveView()) {
      state.SkipWithError("the project did not open");
      break;
    }
    QApplication::processEvents();  // shown and painted
    state.PauseTiming();
    frame->MdiArea()->closeAllSubWindows();
    // No event loop runs here: the closed window and its document go now, not at the next loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenMaximalMultiplexerProjectIntoTheView)->Unit(benchmark::kMillisecond);

// The bytes the heap has handed out (0 where a sanitizer's allocator answers instead).
double HeapBytes() {
  return static_cast<double>(mallinfo2().uordblks);
}

// An editor's OK on one panel of the maximal project, undone and redone (the view refreshed each time):
// one iteration is an undo and a redo. And what 100 such steps add to the heap.
void BM_UndoAndRedoAnEditorSessionOnTheMaximalProject(benchmark::State& state) {
  CMainFrame* frame = CLumoraApp::Instance()->MainFrame();
  CLumoraDoc* doc = frame->OpenDocumentFile(gProjectPath);
  if (!doc || !frame->ActiveView()) {
    state.SkipWithError("the project did not open");
    return;
  }
  QApplication::processEvents();
  auto editMessages = [doc](int step) {
    TQMProject changed(doc->Project());
    TQMPanel& panel = changed.Panel(static_cast<size_t>(step % 5));
    panel.messages[static_cast<size_t>(step % 256)].text = "STEP " + std::to_string(step);
    doc->Change("Edit Messages", changed, ProjectPart::Panel);
  };
  double heap = HeapBytes();
  for (int step = 0; step < 100; ++step)
    editMessages(step);
  state.counters["MiB for 100 steps"] = (HeapBytes() - heap) / (1 << 20);
  for (auto _ : state) {
    doc->UndoStack().undo();
    QApplication::processEvents();
    doc->UndoStack().redo();
    QApplication::processEvents();
  }
  doc->MarkClean();
  frame->MdiArea()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}
BENCHMARK(BM_UndoAndRedoAnEditorSessionOnTheMaximalProject)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  lumora::testing::TempDir home;
  lumora::testing::LinkStageInto(home.File("install"), true);
  qputenv("HOME", home.Path().c_str());
  qputenv("XDG_CONFIG_HOME", home.File("config").c_str());
  std::string machine = home.Write("machine.conf", "[General]\nInstall Dir=" + home.File("install") + "\n");
  qputenv("LUMORA_MACHINE_CONFIG", machine.c_str());
  CLumoraApp app(argc, argv);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  SetMessageBoxHook([](const MessageBoxRequest&) { return Answer::No; });
  if (!app.InitInstance()) return 1;

  // The project names the Tarvo DL-205 library of the install tree, so that every address is checked.
  lumora::testing::FakePlcEnvironment plc;
  SilentInteraction ui;
  TQMProject project = lumora::testing::MakeMaximalProject({&ui, &plc});
  for (const PlcCatalogueEntry& entry : app.WaitForDiscovery().Entries()) {
    if (entry.name != "Tarvo DL-205") continue;
    project.plcSettings.plcName = entry.name;
    project.plcSettings.libraryName = entry.path;
  }
  std::string path = home.File("maximal.lmx");
  std::string error;
  if (!SaveProjectFile(project, path, &error)) return 1;
  gProjectPath = QString::fromStdString(path);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  app.MainFrame()->close();
  return 0;
}
