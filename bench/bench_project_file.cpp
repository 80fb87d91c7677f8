// Load and save of the largest project a file holds: 5 panels x 256 messages with three data items each.

#include <benchmark/benchmark.h>

#include "model/interaction.h"
#include "model/project.h"
#include "model/text_lines.h"
#include "support/fake_plc_environment.h"
#include "support/sample_projects.h"

namespace {

using namespace lumora;

void BM_LoadAndSaveMaximalProject(benchmark::State& state) {
  testing::FakePlcEnvironment plc;
  SilentInteraction ui;
  TQMProject project = testing::MakeMaximalProject({&ui, &plc});
  LineWriter first;
  project.Save(first);
  const std::string text = first.Text();
  for (auto _ : state) {
    TQMProject loaded({&ui, &plc});
    LineReader reader(text);
    if (!loaded.Load(reader)) state.SkipWithError("load failed");
    LineWriter writer;
    loaded.Save(writer);
    benchmark::DoNotOptimize(writer.Text().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()) * 2);
  state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LoadAndSaveMaximalProject)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
