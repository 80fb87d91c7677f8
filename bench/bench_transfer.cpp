// Writing a full panel (256 messages, 300 PLC addresses, a 32 KiB driver) to lumora-panel-sim.
// With --throttle the simulator answers at the wire's speed; the figure that matters is the elapsed
// time over the pure wire time of the bytes exchanged (10 bits a byte).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "support/run_process.h"
#include "support/sample_projects.h"
#include "support/transfer_fixture.h"

namespace {

using namespace lumora;
using lumora::testing::SetTarvoAddress;

std::string Markers(unsigned char marker, int count) {
  return std::string(static_cast<size_t>(count), static_cast<char>(marker));
}

// 256 messages on a QM410: 38 with three data items and 180 with one make 294 addresses, and the panel's
// own six make 300.
TQMProject FullPanelProject(lumora::testing::TransferFixture& fixture, bool behindMultiplexer) {
  TQMProject project(fixture.Services());
  project.plcSettings.SetHeader(31, 2);
  for (uint8_t byte : {7, 0, 1, 3, 1, 10, 3})
    project.plcSettings.plcAttributes.push_back(byte);
  if (behindMultiplexer) {
    project.systemType = SystemType::MultiPanel;
    project.multiplexer.portType = {kPanelQM410, 0, 0, 0, 0};
  }
  TQMPanel panel(&project, kPanelQM410);
  for (int i = 0; i < 4; ++i)
    SetTarvoAddress(panel.lineRegisters[static_cast<size_t>(i)], "V" + std::to_string(7000 + i));
  SetTarvoAddress(panel.buttonLeds.ledWord, "V7010", kBinary16);
  SetTarvoAddress(panel.buttonLeds.buttonWord, "V7011", kBinary16);
  int address = 0;
  auto next = [&address] {
    char text[16];
    std::snprintf(text, sizeof text, "V%o", address++);
    return std::string(text);
  };
  for (int n = 1; n <= 256; ++n) {
    TQMMessage message = panel.NewMessage();
    message.number = n;
    message.isPlcMessage = 1;
    if (n <= 38) {
      message.text = "M" + Markers(0xFF, 4) + " " + Markers(0xFE, 4) + " " + Markers(0xFD, 4);
      SetTarvoAddress(message.data1, next());
      SetTarvoAddress(message.data2, next());
      SetTarvoAddress(message.data3, next());
    } else if (n <= 218) {
      message.text = "VALUE " + std::to_string(n) + " " + Markers(0xFF, 5);
      SetTarvoAddress(message.data1, next());
    } else {
      message.text = "TEXT ONLY " + std::to_string(n);
    }
    panel.messages.push_back(message);
  }
  panel.firstLocalNumber = 257;
  project.PutPanel(panel);
  fixture.Prepare(project);
  return project;
}

size_t WireBytes(const std::string& trace) {
  size_t bytes = 0;
  for (const char* prefix : {"IN  ", "OUT "}) {
    for (const std::string& line : lumora::testing::TransferFixture::TraceLines(trace, prefix))
      bytes += (line.size() - 4 + 1) / 3;
  }
  return bytes;
}

// An install tree with 32 KiB drivers for the panel on its own and behind a multiplexer.
std::string InstallWithLargeDrivers(const lumora::testing::TempDir& dir) {
  std::string root = dir.File("install");
  std::filesystem::create_directories(root + "/driver");
  std::filesystem::create_directories(root + "/dll");
  for (const auto& entry : std::filesystem::directory_iterator(lumora::testing::StageDir() + "/dll")) {
    std::filesystem::create_symlink(entry.path(), root + "/dll/" + entry.path().filename().string());
  }
  std::string makeImage = lumora::testing::TestBinDir() + "/../tools/make_image";
  for (const char* name : {"TDL205.plx", "multiplexer.plx"}) {
    lumora::testing::RunProcess(
        {makeImage, "hex", root + "/driver/" + name, "0x8000", "32768", "5", "LDRV", "31", "2", "A"});
  }
  return root;
}

void RunWrite(benchmark::State& state, bool throttle, bool multiplexer) {
  lumora::testing::TransferFixture fixture;
  std::string install = InstallWithLargeDrivers(fixture.dir);
  SetInstallDirProvider([install] { return install; });
  TQMProject project = FullPanelProject(fixture, multiplexer);
  std::string trace = fixture.dir.File("trace.txt");
  int baud = multiplexer ? 38400 : 9600;
  for (auto _ : state) {
    std::vector<std::string> options = {"--trace", trace};
    if (multiplexer) {
      options.insert(options.end(), {"--mux", "1:QM410", "--memory", "64"});
    } else {
      options.insert(options.end(), {"--panel", "QM410", "--memory", "64"});
    }
    if (throttle) options.push_back("--throttle");
    lumora::testing::Simulator sim(options);
    auto start = std::chrono::steady_clock::now();
    lumora::testing::RecordingSink sink =
        fixture.RunOperation(project, TransferOperation::Write, sim.Path(), TransferTarget::Panel1);
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!sink.Errors().empty()) state.SkipWithError(sink.Errors()[0].c_str());
    state.SetIterationTime(elapsed);
    sim.Stop();
    size_t bytes = WireBytes(trace);
    double wire = static_cast<double>(bytes) * 10.0 / baud;
    state.counters["wire_bytes"] = static_cast<double>(bytes);
    state.counters["wire_s"] = wire;
    state.counters["elapsed_s"] = elapsed;
    auto replies = lumora::testing::TransferFixture::TraceLines(trace, "OUT ");
    double exchanges = static_cast<double>(replies.size());
    state.counters["exchanges"] = exchanges;
    if (throttle) {
      state.counters["ratio"] = elapsed / wire;
      state.counters["ratio_without_final_50ms"] = (elapsed - 0.05) / wire;
      // What each request and reply costs beyond its bytes on the wire (the opening and closing of the port
      // spread over them): the program's turn-around, the two hops through the pseudo-terminal and how
      // late the simulator wakes for its reply.
      if (exchanges > 0)
        state.counters["us_over_wire_per_exchange"] = (elapsed - 0.05 - wire) / exchanges * 1e6;
    }
  }
  SetInstallDirProvider(nullptr);
}

void BM_WriteFullPanelThrottled9600(benchmark::State& state) {
  RunWrite(state, true, false);
}
void BM_WriteFullPanelThrottled38400(benchmark::State& state) {
  RunWrite(state, true, true);
}
void BM_WriteFullPanelUnthrottled(benchmark::State& state) {
  RunWrite(state, false, false);
}

BENCHMARK(BM_WriteFullPanelUnthrottled)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFullPanelThrottled38400)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFullPanelThrottled9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
