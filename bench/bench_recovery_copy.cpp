// The recovery copy of the largest project (5 panels x 256 messages with three data items each): what the
// UI thread spends on it (the project's bytes, handed to the store) and, apart, the store's own write.

#include <benchmark/benchmark.h>

#include "model/interaction.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/recovery_store.h"
#include "support/fake_plc_environment.h"
#include "support/sample_projects.h"
#include "support/temp_dir.h"

namespace {

using namespace lumora;

void BM_RecoveryCopyOnTheUiThread(benchmark::State& state) {
  testing::FakePlcEnvironment plc;
  SilentInteraction ui;
  TQMProject project = testing::MakeMaximalProject({&ui, &plc});
  testing::TempDir dir;
  RecoveryStore store(dir.File("recovery"));
  if (!store.Start()) state.SkipWithError("no recovery folder");
  int slot = store.NewSlot();
  for (auto _ : state) {
    store.Keep(slot, "/plant/line.lmx", 1765250000, ProjectFileText(project));
    state.PauseTiming();
    store.Flush();  // the write runs on the store's thread, not here
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RecoveryCopyOnTheUiThread)->Unit(benchmark::kMillisecond);

void BM_RecoveryCopyWrite(benchmark::State& state) {
  testing::FakePlcEnvironment plc;
  SilentInteraction ui;
  std::string text = ProjectFileText(testing::MakeMaximalProject({&ui, &plc}));
  testing::TempDir dir;
  RecoveryStore store(dir.File("recovery"));
  if (!store.Start()) state.SkipWithError("no recovery folder");
  int slot = store.NewSlot();
  for (auto _ : state) {
    store.Keep(slot, "/plant/line.lmx", 1765250000, text);
    store.Flush();
  }
  state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
