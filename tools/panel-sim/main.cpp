// lumora-panel-sim: a software Lumora panel, or a multiplexer with panels on its ports, on a
// pseudo-terminal. It prints the terminal's path; point a port name at it (or use --link).
//
//   lumora-panel-sim --panel QM210 [options]
//   lumora-panel-sim --mux "2:QM210,5:QMSV" [options]
//   lumora-panel-sim display --state FILE --show N [--port P]

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim_display.h"
#include "sim_server.h"

namespace {

using namespace panel_sim;

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
  gStop = 1;
}

void Usage() {
  std::printf(
      "usage: lumora-panel-sim (--panel TYPE | --mux PORT:TYPE[@F.N],...) [options]\n"
      "       lumora-panel-sim display --state FILE --show N [--port P]\n\n"
      "Units: QM210, QM210G, QM210K, QM410, QMSV.\n"
      "  --firmware L.N       firmware revision reported (default B.2; A makes the PC refuse the panel)\n"
      "  --plc MAN:MOD        PLC ids reported until a driver is loaded (default 31:2; 0:0 = no driver)\n"
      "  --memory KB          memory size (default 32)\n"
      "  --link PATH          also make a symbolic link PATH to the terminal\n"
      "  --state FILE         keep the units' memory in FILE (JSON) across runs\n"
      "  --max-seconds S      stop after S seconds\n"
      "  --restart-delay S    seconds a restarting panel ignores status requests (default 1)\n"
      "  --baud-check         a panel answers only at 9600 bit/s, the multiplexer only at 38400\n"
      "  --empty-port-std     a multiplexer port without a panel answers error 3 instead of nothing\n"
      "Faults: --drop N[,N]  --corrupt N[,N]  --garbage N  --error CODE@CMD[#K]  --silent\n"
      "        --reply-delay MS  --throttle (answer at the wire's speed, 10 bits a byte)\n"
      "  --trace FILE         one line per packet in and out, and every protocol violation\n");
}

std::set<int> NumberList(const std::string& text) {
  std::set<int> numbers;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!item.empty()) numbers.insert(std::atoi(item.c_str()));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return numbers;
}

bool ParseFirmware(const std::string& text, UnitConfig& config) {
  if (text.size() < 3 || text[1] != '.') return false;
  config.firmwareLetter = text[0];
  config.firmwareNumber = std::atoi(text.c_str() + 2);
  return true;
}

int Display(int argc, char** argv) {
  std::string state;
  int port = -1;
  int number = -1;
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    if (option == "--state") state = argv[i + 1];
    if (option == "--port") port = std::atoi(argv[i + 1]);
    if (option == "--show") number = std::atoi(argv[i + 1]);
  }
  if (state.empty() || number < 0) {
    Usage();
    return 2;
  }
  std::string error;
  std::string picture = RenderStoredMessage(state, port, number, error);
  if (picture.empty()) {
    std::fprintf(stderr, "lumora-panel-sim: %s\n", error.c_str());
    return 1;
  }
  std::fputs(picture.c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]) == "display") return Display(argc, argv);

  UnitConfig base;
  std::string panelType, muxSpec, linkPath, statePath, tracePath;
  double maxSeconds = 0, restartDelay = 1.0;
  FaultOptions faults;
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "lumora-panel-sim: %s needs a value\n", option.c_str());
        std::exit(2);
      }
      return argv[++i];
    };
    if (option == "--panel") {
      panelType = value();
    } else if (option == "--mux") {
      muxSpec = value();
    } else if (option == "--firmware") {
      if (!ParseFirmware(value(), base)) {
        std::fprintf(stderr, "lumora-panel-sim: --firmware takes a letter and a number, e.g. B.2\n");
        return 2;
      }
    } else if (option == "--plc") {
      std::string ids = value();
      base.manufacturerId = std::atoi(ids.c_str());
      base.modelId = ids.find(':') == std::string::npos ? 0 : std::atoi(ids.c_str() + ids.find(':') + 1);
    } else if (option == "--memory") {
      base.memoryKilobytes = std::atoi(value().c_str());
    } else if (option == "--link") {
      linkPath = value();
    } else if (option == "--state") {
      statePath = value();
    } else if (option == "--trace") {
      tracePath = value();
    } else if (option == "--max-seconds") {
      maxSeconds = std::atof(value().c_str());
    } else if (option == "--restart-delay") {
      restartDelay = std::atof(value().c_str());
    } else if (option == "--drop") {
      faults.drop = NumberList(value());
    } else if (option == "--corrupt") {
      faults.corrupt = NumberList(value());
    } else if (option == "--garbage") {
      faults.garbage = std::atoi(value().c_str());
    } else if (option == "--error") {
      std::string spec = value();
      size_t at = spec.find('@');
      if (at == std::string::npos) {
        std::fprintf(stderr, "lumora-panel-sim: --error takes CODE@CMD, e.g. 7@B5\n");
        return 2;
      }
      size_t hash = spec.find('#', at);
      FaultOptions::ForcedError forced{
          std::atoi(spec.c_str()),
          static_cast<int>(std::strtol(spec.substr(at + 1, hash - at - 1).c_str(), nullptr, 16)),
          hash == std::string::npos ? 0 : std::atoi(spec.c_str() + hash + 1)};
      faults.errors.push_back(forced);
    } else if (option == "--silent") {
      faults.silent = true;
    } else if (option == "--reply-delay") {
      faults.replyDelayMs = std::atoi(value().c_str());
    } else if (option == "--throttle") {
      faults.throttle = true;
    } else if (option == "--baud-check") {
      faults.baudCheck = true;
    } else if (option == "--empty-port-std") {
      faults.emptyPortStd = true;
    } else if (option == "--help" || option == "-h") {
      Usage();
      return 0;
    } else {
      std::fprintf(stderr, "lumora-panel-sim: unknown option %s\n", option.c_str());
      Usage();
      return 2;
    }
  }
  if (panelType.empty() == muxSpec.empty()) {
    std::fprintf(stderr, "lumora-panel-sim: give either --panel or --mux\n");
    Usage();
    return 2;
  }

  FILE* trace = nullptr;
  if (!tracePath.empty()) {
    trace = std::fopen(tracePath.c_str(), "w");
    if (!trace) {
      std::perror(tracePath.c_str());
      return 1;
    }
  }
  auto violation = [&trace](const std::string& text) {
    if (trace) {
      std::fprintf(trace, "VIOLATION %s\n", text.c_str());
      std::fflush(trace);
    }
  };

  std::map<int, std::unique_ptr<Unit>> units;
  if (!panelType.empty()) {
    auto type = UnitTypeFromName(panelType);
    if (!type || *type == kMultiplexer) {
      std::fprintf(stderr, "lumora-panel-sim: unknown panel type %s\n", panelType.c_str());
      return 2;
    }
    UnitConfig config = base;
    config.type = *type;
    units[0] = std::make_unique<Unit>(config, violation);
  } else {
    UnitConfig mux = base;
    mux.type = kMultiplexer;
    units[0] = std::make_unique<Unit>(mux, violation);
    size_t start = 0;
    while (start < muxSpec.size()) {
      size_t comma = muxSpec.find(',', start);
      std::string entry =
          muxSpec.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
      start = comma == std::string::npos ? muxSpec.size() : comma + 1;
      size_t colon = entry.find(':');
      int port = std::atoi(entry.c_str());
      std::string name = colon == std::string::npos ? "" : entry.substr(colon + 1);
      UnitConfig config = base;
      if (size_t at = name.find('@'); at != std::string::npos) {
        if (!ParseFirmware(name.substr(at + 1), config)) {
          std::fprintf(stderr, "lumora-panel-sim: bad firmware in %s\n", entry.c_str());
          return 2;
        }
        name = name.substr(0, at);
      }
      auto type = UnitTypeFromName(name);
      if (port < 1 || port > 5 || !type || *type == kMultiplexer) {
        std::fprintf(stderr, "lumora-panel-sim: bad multiplexer port %s (use PORT:TYPE, ports 1..5)\n",
                     entry.c_str());
        return 2;
      }
      config.type = *type;
      config.behindMultiplexer = true;
      units[port] = std::make_unique<Unit>(config, violation);
    }
  }
  for (auto& [port, unit] : units)
    unit->SetRestartDelay(restartDelay);

  Server server(std::move(units), faults);
  server.SetTrace(trace);
  server.SetStatePath(statePath);
  // A simulator that cannot keep what it is sent would accept a write and lose it.
  if (std::string why; !server.CanWriteState(why)) {
    std::fprintf(stderr, "lumora-panel-sim: cannot keep the panel memory in %s: %s\n", statePath.c_str(),
                 why.c_str());
    return 2;
  }
  server.LoadState();
  std::string error;
  std::string path = server.Open(error);
  if (path.empty()) {
    std::fprintf(stderr, "lumora-panel-sim: cannot open a pseudo-terminal: %s\n", error.c_str());
    return 1;
  }
  if (!linkPath.empty()) {
    std::error_code ignored;
    if (std::filesystem::is_symlink(linkPath, ignored)) std::filesystem::remove(linkPath, ignored);
    std::filesystem::create_symlink(path, linkPath, ignored);
    if (ignored) {
      std::fprintf(stderr, "lumora-panel-sim: cannot link %s: %s\n", linkPath.c_str(),
                   ignored.message().c_str());
      return 1;
    }
  }
  std::printf("%s\n", path.c_str());
  std::fflush(stdout);

  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  server.Serve(gStop, maxSeconds);
  if (!linkPath.empty()) {
    std::error_code ignored;
    std::filesystem::remove(linkPath, ignored);
  }
  if (trace) std::fclose(trace);
  return 0;
}
