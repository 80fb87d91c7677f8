// Checking and converting a 1500-tag project against a 100 000-entry Plan & Run tag map.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "model/project.h"
#include "plc/plan_n_run.h"

namespace {

using namespace lumora;

std::string MapText() {
  std::string text = "Plan & Run tag export\r\nsecond header\r\n";
  char line[96];
  for (int i = 0; i < 100000; ++i) {
    std::snprintf(line, sizeof line, "TAG_%06d,V%o,%d,1\r\n", i, i % 017000, i % 2 ? 5 : 7);
    text += line;
  }
  return text;
}

TQMProject LinkedProject(const std::string& mapText) {
  TQMProject project;
  ParseTagMap(mapText, "/maps/plant.map", project.textPanelTagMap, project.setPointTagMap);
  project.tagMapLinked = true;
  project.systemType = SystemType::MultiPanel;
  project.multiplexer.portType = {1, 1, 4, 4, 1};
  int n = 0;
  for (int port = 1; port <= 5; ++port) {
    project.multiplexer.selectedPort = port;
    TQMPanel panel(&project, project.multiplexer.portType[static_cast<size_t>(port - 1)]);
    for (int m = 0; m < 100; ++m) {
      TQMMessage message = panel.NewMessage();
      message.number = m + 1;
      message.isPlcMessage = 1;
      message.text =
          std::string("X") + static_cast<char>(0xFF) + static_cast<char>(0xFE) + static_cast<char>(0xFD);
      for (TQMTag* tag : {static_cast<TQMTag*>(&message.data1), &message.data2, &message.data3}) {
        int entry = (n * 61) % 100000;
        char address[32];
        std::snprintf(address, sizeof address, "V%o,%d,1", entry % 017000, entry % 2 ? 5 : 7);
        tag->address = address;
        // A third keep their map name, a third get renamed, a third are unknown.
        if (n % 3 == 0) tag->tagName = "TAG_" + std::to_string(100000 + entry).substr(1);
        if (n % 3 == 2) tag->address = "V" + std::to_string(n) + ",9,9";
        ++n;
      }
      panel.messages.push_back(message);
    }
    project.PutPanel(panel);
  }
  project.multiplexer.selectedPort = 1;
  return project;
}

void BM_ConvertAgainstLargeTagMap(benchmark::State& state) {
  const std::string mapText = MapText();
  const TQMProject original = LinkedProject(mapText);
  for (auto _ : state) {
    state.PauseTiming();
    TQMProject project(original);
    state.ResumeTiming();
    TQMPlanNRun report(project);
    report.Run();
    TQMPlanNRun apply(project);
    apply.SetMode(TQMPlanNRun::kApply);
    apply.Run();
    benchmark::DoNotOptimize(report.Log().size());
  }
  state.counters["tags"] = 1500;
  state.counters["map_entries"] = static_cast<double>(original.textPanelTagMap.entries.size());
}
BENCHMARK(BM_ConvertAgainstLargeTagMap)->Unit(benchmark::kMillisecond);

void BM_ReadLargeTagMap(benchmark::State& state) {
  const std::string mapText = MapText();
  for (auto _ : state) {
    TagMapTable text, setPoint;
    ParseTagMap(mapText, "/maps/plant.map", text, setPoint);
    benchmark::DoNotOptimize(text.entries.size());
  }
}
BENCHMARK(BM_ReadLargeTagMap)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
