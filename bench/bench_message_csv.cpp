// A QM410's 256 messages as a CSV table, out and back in, with the DL-205 library checking every address.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "model/message_csv.h"
#include "model/panel.h"
#include "model/project.h"
#include "plc/plc_address_check.h"
#include "plc/plc_library.h"
#include "plc/plc_manager2.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"

namespace {

using namespace lumora;

// 256 PLC messages; the first `withItems` carry three data items at their own V addresses.
TQMPanel MakePanel(TQMProject& project, int withItems) {
  TQMPanel panel(&project, kPanelQM410);
  for (int n = 1; n <= 256; ++n) {
    TQMMessage message = panel.NewMessage();
    message.number = n;
    message.isPlcMessage = 1;
    message.text = "MSG " + std::to_string(n);
    if (n <= withItems) {
      message.text = "L\xFF\xFF\xFF\xFF\xFF P\xFE\xFE\xFE\xFE T\xFD\xFD\xFD";
      TQMTag* tags[] = {&message.data1, &message.data2, &message.data3};
      for (int i = 0; i < 3; ++i) {
        char address[16];
        std::snprintf(address, sizeof address, "V%o", 01000 + n * 3 + i);
        tags[i]->address = address;
      }
      message.data1.limitsEnabled = true;
    }
    panel.messages.push_back(message);
  }
  panel.firstLocalNumber = 257;
  return panel;
}

struct Library {
  testing::RecordingInteraction ui;
  TQMPlcManager2 plc{testing::StageDir() + "/dll/TDL205.so", ui};
  PlcAddressCheck check{plc.Library(), false, 4};
};

void BM_ExportMessageTable(benchmark::State& state) {
  TQMProject project;
  TQMPanel panel = MakePanel(project, 256);
  for (auto _ : state) benchmark::DoNotOptimize(ExportMessagesCsv(panel));
}
BENCHMARK(BM_ExportMessageTable)->Unit(benchmark::kMillisecond);

// Every row read and its three addresses checked; a panel holds 300 addresses, so the table is refused
// only at the end, on the address limit.
void BM_ImportMessageTableThreeItemsEach(benchmark::State& state) {
  Library library;
  TQMProject project;
  TQMPanel panel = MakePanel(project, 256);
  const std::string csv = ExportMessagesCsv(panel);
  for (auto _ : state) benchmark::DoNotOptimize(ImportMessagesCsv(csv, panel, library.check));
}
BENCHMARK(BM_ImportMessageTableThreeItemsEach)->Unit(benchmark::kMillisecond);

// The fullest table a panel takes: 256 messages, 98 of them with three items, which with the QM410's six
// system addresses makes 300.
void BM_ImportMessageTableAtTheAddressLimit(benchmark::State& state) {
  Library library;
  TQMProject project;
  TQMPanel panel = MakePanel(project, 98);
  const std::string csv = ExportMessagesCsv(panel);
  for (auto _ : state) {
    TQMPanel target(panel);
    if (!ImportMessagesCsv(csv, target, library.check).empty()) state.SkipWithError("refused");
  }
}
BENCHMARK(BM_ImportMessageTableAtTheAddressLimit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
