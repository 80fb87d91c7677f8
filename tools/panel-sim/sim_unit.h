#pragma once
// A simulated panel or multiplexer: its memory and its answers to commands, written from the unit's
// side of the protocol.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace panel_sim {

using Bytes = std::vector<uint8_t>;

enum UnitType { kQM210 = 1, kQM210G = 2, kQM210K = 3, kQM410 = 4, kQMSV = 5, kMultiplexer = 6 };

std::optional<int> UnitTypeFromName(const std::string& name);
std::string UnitTypeName(int type);

struct UnitConfig {
  int type = kQM210;
  char firmwareLetter = 'B';
  int firmwareNumber = 2;
  int memoryKilobytes = 32;
  int manufacturerId = 31;
  int modelId = 2;
  char driverVersion = 'A';
  bool behindMultiplexer = false;
};

// One block transfer being received (tag table, driver, firmware, multiplexer attributes).
struct BlockLoad {
  bool started = false;
  int nextSequence = 0;
  Bytes buffer;
};

// One dump being sent in blocks of at most 60 bytes.
struct BlockDump {
  bool started = false;
  Bytes stream;
  size_t sent = 0;
  int nextSequence = 0;
};

struct UnitMemory {
  std::map<int, Bytes> messages;  // by wire number: the write command's payload from its number on
  Bytes tagTable;
  Bytes systemAttributes;  // offsets 5..35 of the write command
  Bytes plcAttributes;     // the 0xBC payload, or the multiplexer attribute stream
  Bytes driver;
  Bytes firmware;
};

// Protocol violations the unit notices, reported to the trace.
using ViolationSink = std::function<void(const std::string&)>;

class Unit {
 public:
  Unit(UnitConfig config, ViolationSink violations);

  // The reply payload's code and bytes, or nothing when the unit stays silent.
  struct Reply {
    uint8_t code;
    Bytes payload;
  };
  std::optional<Reply> Handle(const Bytes& packet);

  const UnitConfig& Config() const { return config_; }
  UnitConfig& MutableConfig() { return config_; }
  UnitMemory& Memory() { return memory_; }
  const UnitMemory& Memory() const { return memory_; }
  bool IsMultiplexer() const { return config_.type == kMultiplexer; }
  bool IsSetPoint() const { return config_.type == kQMSV; }
  // Seconds the unit ignores status requests after a restart.
  void SetRestartDelay(double seconds) { restartDelay_ = seconds; }
  bool Modified() const { return modified_; }
  void ClearModified() { modified_ = false; }

 private:
  static Reply Std(int error) { return {0x00, {0x00, static_cast<uint8_t>(error)}}; }
  Reply Status() const;
  std::optional<Reply> BlockCommand(const Bytes& packet, BlockLoad& load, const char* what,
                                    const std::function<void(Bytes&&)>& commit);
  Reply DumpCommand(const Bytes& packet, BlockDump& dump, const Bytes& stream, const char* what);
  Reply MessageDump(const Bytes& packet);
  Reply WriteMessage(const Bytes& packet);
  Reply WritePlcAttributes(const Bytes& packet);
  Reply ReadPlcAttributes() const;
  void CheckMessageText(const Bytes& packet);
  void ClearUserProgram();
  void Violation(const std::string& text) const { violations_(UnitTypeName(config_.type) + ": " + text); }

  UnitConfig config_;
  ViolationSink violations_;
  UnitMemory memory_;
  BlockLoad tagLoad_, driverLoad_, firmwareLoad_, muxAttributeLoad_;
  BlockDump tagDump_, muxAttributeDump_;
  bool messageDumpStarted_ = false;
  int messageCursor_ = 0;
  double restartDelay_ = 1.0;
  std::chrono::steady_clock::time_point silentUntil_{};
  bool modified_ = false;
};

}  // namespace panel_sim
