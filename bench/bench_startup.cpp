// The desktop program from its start to the event loop (--quit-after-start: the window up, then quit), in
// English and with the German translation loaded, on the offscreen platform.

#include <benchmark/benchmark.h>

#include <chrono>

#include "support/install_tree.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

void RunStart(benchmark::State& state, const char* lang) {
  lumora::testing::TempDir home;
  std::map<std::string, std::string> environment = {
      {"QT_QPA_PLATFORM", "offscreen"}, {"HOME", home.Path()}, {"XDG_CONFIG_HOME", home.File("config")},
      {"XDG_STATE_HOME", home.File("state")}, {"XDG_CACHE_HOME", home.File("cache")},
      {"XDG_DATA_HOME", home.File("data")}, {"LANG", lang}, {"LC_ALL", ""}, {"LANGUAGE", ""}};
  std::string program = lumora::testing::StageDir() + "/bin/lumora-write-utility";
  lumora::testing::RunProcess({program, "--quit-after-start"}, environment);  // the PLC probe cache filled
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    lumora::testing::ProcessResult result = lumora::testing::RunProcess({program, "--quit-after-start"}, environment);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (result.exitCode != 0) state.SkipWithError(result.err.c_str());
  }
}

void BM_StartEnglish(benchmark::State& state) {
  RunStart(state, "C");
}
void BM_StartGerman(benchmark::State& state) {
  RunStart(state, "de_DE.UTF-8");
}
BENCHMARK(BM_StartEnglish)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartGerman)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
