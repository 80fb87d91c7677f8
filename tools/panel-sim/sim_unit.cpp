#include "sim_unit.h"

#include <algorithm>
#include <cstdio>

#include "link/packet.h"

namespace panel_sim {
namespace {

using lumora::PacketCrc;

constexpr int kDumpBlock = 60;

int Length(const Bytes& packet) {
  return packet[1];
}
uint16_t Be16(const Bytes& bytes, size_t at) {
  return static_cast<uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}
uint16_t Le16(const Bytes& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
Bytes Payload(const Bytes& packet) {
  return Bytes(packet.begin() + 5, packet.begin() + Length(packet) - 1);
}

std::string Hex(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", value);
  return text;
}

struct CodeRange {
  int low;
  int top;
  int item;
};

// The digit codes of the three data items, 16-bit and 32-bit.
constexpr CodeRange kCodeRanges[] = {{128, 132, 1}, {133, 137, 2}, {138, 142, 3},
                                     {144, 153, 1}, {154, 163, 2}, {164, 173, 3}};

}  // namespace

std::optional<int> UnitTypeFromName(const std::string& name) {
  if (name == "QM210") return kQM210;
  if (name == "QM210G") return kQM210G;
  if (name == "QM210K") return kQM210K;
  if (name == "QM410") return kQM410;
  if (name == "QMSV") return kQMSV;
  if (name == "MUX" || name == "Multiplexer") return kMultiplexer;
  return std::nullopt;
}

std::string UnitTypeName(int type) {
  switch (type) {
    case kQM210:
      return "QM210";
    case kQM210G:
      return "QM210G";
    case kQM210K:
      return "QM210K";
    case kQM410:
      return "QM410";
    case kQMSV:
      return "QMSV";
    case kMultiplexer:
      return "Multiplexer";
    default:
      return "unit";
  }
}

Unit::Unit(UnitConfig config, ViolationSink violations)
    : config_(config), violations_(std::move(violations)) {}

void Unit::ClearUserProgram() {
  memory_.messages.clear();
  memory_.tagTable.clear();
  memory_.systemAttributes.clear();
  memory_.plcAttributes.clear();
  tagDump_ = {};
  muxAttributeDump_ = {};
  messageDumpStarted_ = false;
  modified_ = true;
}

Unit::Reply Unit::Status() const {
  if (IsMultiplexer()) {
    Bytes payload = {'4',
                     0,
                     0,
                     static_cast<uint8_t>(config_.firmwareLetter),
                     static_cast<uint8_t>(config_.firmwareNumber),
                     0,
                     0,
                     0,
                     0};
    uint32_t bytes = static_cast<uint32_t>(config_.memoryKilobytes) * 1024;
    for (int i = 0; i < 4; ++i)
      payload.push_back(static_cast<uint8_t>(bytes >> (8 * i)));
    payload.push_back(static_cast<uint8_t>(config_.manufacturerId));
    payload.push_back(static_cast<uint8_t>(config_.modelId));
    payload.push_back(static_cast<uint8_t>(config_.driverVersion));
    payload.push_back(0);  // reserved
    payload.push_back(0);  // spare: the multiplexer's answer has the length byte 24
    return {0x12, payload};
  }
  uint8_t family = '3', a = 0, b = 8, c = 0;
  switch (config_.type) {
    case kQM210G:
      c = 3;
      break;
    case kQM210K:
      b = 11;
      break;
    case kQM410:
      a = 1;
      b = 0;
      break;
    case kQMSV:
      family = '7';
      b = 0;
      break;
    default:
      break;
  }
  return {0x12,
          {family, a, b, c, static_cast<uint8_t>(config_.firmwareLetter),
           static_cast<uint8_t>(config_.firmwareNumber), static_cast<uint8_t>(config_.memoryKilobytes),
           static_cast<uint8_t>(config_.manufacturerId), static_cast<uint8_t>(config_.modelId),
           static_cast<uint8_t>(config_.driverVersion), 0}};
}

std::optional<Unit::Reply> Unit::BlockCommand(const Bytes& packet, BlockLoad& load, const char* what,
                                              const std::function<void(Bytes&&)>& commit) {
  int count = packet[7];
  if (Length(packet) != count + 9) {
    Violation(std::string(what) + ": length byte " + std::to_string(Length(packet)) + " does not fit count " +
              std::to_string(count));
    return Std(8);
  }
  int sequence = packet[5];
  int kind = packet[6];
  Bytes data(packet.begin() + 8, packet.begin() + 8 + count);
  if (kind == 1) {
    if (sequence != 0) Violation(std::string(what) + ": start with sequence " + std::to_string(sequence));
    load = {true, 1, std::move(data)};
    return Std(0);
  }
  if (kind != 0 && kind != 2) {
    Violation(std::string(what) + ": unknown block kind " + std::to_string(kind));
    return Std(11);
  }
  if (!load.started) {
    Violation(std::string(what) + ": block without start");
    return Std(4);
  }
  if (sequence != (load.nextSequence & 0xFF)) {
    Violation(std::string(what) + ": block " + std::to_string(sequence) + " out of sequence, expected " +
              std::to_string(load.nextSequence & 0xFF));
    load.started = false;
    return Std(11);
  }
  if (kind == 0 && count != 50)
    Violation(std::string(what) + ": data block of " + std::to_string(count) + " bytes");
  if (kind == 2 && count >= 50)
    Violation(std::string(what) + ": end block of " + std::to_string(count) + " bytes");
  load.buffer.insert(load.buffer.end(), data.begin(), data.end());
  ++load.nextSequence;
  if (kind == 2) {
    load.started = false;
    commit(std::move(load.buffer));
    load.buffer.clear();
    modified_ = true;
  }
  return Std(0);
}

Unit::Reply Unit::DumpCommand(const Bytes& packet, BlockDump& dump, const Bytes& stream, const char* what) {
  int sequence = packet[5];
  int kind = packet[6];
  if (kind == 1) {
    if (sequence != 0)
      Violation(std::string(what) + ": dump start with sequence " + std::to_string(sequence));
    dump = {true, stream, 0, 1};
  } else {
    if (!dump.started) return Std(5);
    if (sequence != (dump.nextSequence & 0xFF)) {
      Violation(std::string(what) + ": dump block " + std::to_string(sequence) + " out of sequence");
    }
    ++dump.nextSequence;
  }
  size_t count = std::min<size_t>(kDumpBlock, dump.stream.size() - std::min(dump.sent, dump.stream.size()));
  bool last = dump.sent + count >= dump.stream.size();
  Bytes payload = {static_cast<uint8_t>(sequence), static_cast<uint8_t>(last ? 0x02 : 0x00),
                   static_cast<uint8_t>(count)};
  payload.insert(payload.end(), dump.stream.begin() + static_cast<long>(dump.sent),
                 dump.stream.begin() + static_cast<long>(dump.sent + count));
  dump.sent += count;
  if (last) dump.started = false;
  return {packet[4], payload};
}

void Unit::CheckMessageText(const Bytes& packet) {
  bool blank = std::all_of(packet.begin() + 7, packet.begin() + 48, [](uint8_t b) { return b == 0xFF; });
  if (blank) return;
  bool variableDecimal = (packet[47] & 0x02) != 0;
  for (int i = 7; i < 27; ++i) {
    uint8_t byte = packet[static_cast<size_t>(i)];
    bool printable = byte >= 0x20 && byte <= 0x7E;
    bool code = (byte >= 128 && byte <= 142) || (byte >= 144 && byte <= 173);
    if (!printable && !code)
      Violation("message byte " + Hex(byte) + " outside the code ranges at offset " + std::to_string(i));
  }
  for (const CodeRange& range : kCodeRanges) {
    std::vector<std::pair<int, int>> positions;  // (offset, code)
    for (int i = 7; i < 27; ++i) {
      int byte = packet[static_cast<size_t>(i)];
      if (byte >= range.low && byte <= range.top) positions.push_back({i, byte});
    }
    if (positions.empty()) continue;
    size_t digits = positions.size();
    if (range.item == 1 && variableDecimal && digits >= 2) {
      // The decimal point carries the top code right after the last digit.
      auto [pointAt, pointCode] = positions.back();
      if (pointCode != range.top || positions[digits - 2].second != range.top ||
          positions[digits - 2].first + 1 != pointAt) {
        Violation("data item 1 decimal point not encoded after its last digit");
      }
      --digits;
    }
    for (size_t i = 0; i < digits; ++i) {
      int expected = range.top - static_cast<int>(digits - 1 - i);
      if (positions[i].second != expected) {
        Violation("data item " + std::to_string(range.item) + " digit codes out of order: " +
                  Hex(positions[i].second) + " where " + Hex(expected) + " belongs");
        break;
      }
    }
  }
}

Unit::Reply Unit::WriteMessage(const Bytes& packet) {
  int expected = IsSetPoint() ? 41 : 49;
  if (Length(packet) != expected) {
    Violation("message of length " + std::to_string(Length(packet)) + " on a " + UnitTypeName(config_.type));
    return Std(8);
  }
  int number = Be16(packet, 5);
  if (number < 1 || number > 263) return Std(7);
  if (!IsSetPoint()) CheckMessageText(packet);
  size_t used = memory_.messages.size() * static_cast<size_t>(expected - 6) + memory_.tagTable.size();
  if (!memory_.messages.count(number) &&
      used + static_cast<size_t>(expected) > static_cast<size_t>(config_.memoryKilobytes) * 1024) {
    return Std(6);
  }
  memory_.messages[number] = Payload(packet);
  modified_ = true;
  return Std(0);
}

Unit::Reply Unit::MessageDump(const Bytes& packet) {
  int kind = packet[6];
  size_t recordSize = IsSetPoint() ? 35 : 43;
  auto slot = [&](int number) {
    Bytes payload = {0x00, 0x00};
    auto it = memory_.messages.find(number);
    if (it != memory_.messages.end() && it->second.size() == recordSize) {
      payload.insert(payload.end(), it->second.begin(), it->second.end());
    } else {
      payload.push_back(static_cast<uint8_t>(number >> 8));
      payload.push_back(static_cast<uint8_t>(number));
      payload.insert(payload.end(), recordSize - 2, 0xFF);
    }
    return Reply{0xB4, payload};
  };
  if (kind == 1) {
    messageDumpStarted_ = true;
    messageCursor_ = 0;
    return slot(0);
  }
  if (!messageDumpStarted_) return Std(5);
  // Sequential: each request gets the next slot, whatever its index byte says.
  int number = messageCursor_++;
  if (messageCursor_ > 256) messageDumpStarted_ = false;
  return slot(number);
}

Unit::Reply Unit::WritePlcAttributes(const Bytes& packet) {
  Bytes payload = Payload(packet);
  if (payload.size() < 4) {
    Violation("PLC attributes of " + std::to_string(payload.size()) + " bytes");
    return Std(8);
  }
  size_t n = payload.size() - 2;
  uint16_t length = Le16(payload, 0);
  if (length != n + 2)
    Violation("PLC attribute length " + std::to_string(length) + " for " + std::to_string(n) + " bytes");
  // A panel on its own gets the checksum after the data (high byte first); one behind a multiplexer at
  // offsets 7 and 8 (low byte first).
  bool single = PacketCrc(payload.data(), static_cast<int>(n)) == Be16(payload, n);
  Bytes joined = {payload[0], payload[1]};
  joined.insert(joined.end(), payload.begin() + 4, payload.end());
  bool multi = PacketCrc(joined.data(), static_cast<int>(n)) == Le16(payload, 2);
  if (!single && !multi) {
    Violation("PLC attribute checksum does not match either layout");
    return Std(24);
  }
  if (config_.behindMultiplexer && !multi)
    Violation("panel behind the multiplexer got the single-panel layout");
  memory_.plcAttributes = payload;
  modified_ = true;
  return Std(0);
}

Unit::Reply Unit::ReadPlcAttributes() const {
  if (memory_.plcAttributes.empty()) return {0xBB, {4, 0, 0, 0}};
  return {0xBB, memory_.plcAttributes};
}

std::optional<Unit::Reply> Unit::Handle(const Bytes& packet) {
  uint8_t code = packet[4];
  int length = Length(packet);
  auto expectLength = [&](int wanted) {
    if (length == wanted) return true;
    Violation("command " + Hex(code) + " with length byte " + std::to_string(length) + ", expected " +
              std::to_string(wanted));
    return false;
  };
  if (code == 0x12) {
    if (std::chrono::steady_clock::now() < silentUntil_) return std::nullopt;  // still restarting
    if (!expectLength(6)) return Std(8);
    return Status();
  }
  switch (code) {
    case 0x0B:
      if (!expectLength(6)) return Std(8);
      ClearUserProgram();
      return Std(0);
    case 0xB7:
      return BlockCommand(packet, tagLoad_, "tag table",
                          [this](Bytes&& data) { memory_.tagTable = std::move(data); });
    case 0xB6:
      if (!expectLength(8)) return Std(8);
      return DumpCommand(packet, tagDump_, memory_.tagTable, "tag table");
    case 0xBA:
      return BlockCommand(packet, driverLoad_, "driver", [this](Bytes&& data) {
        memory_.driver = std::move(data);
        if (memory_.driver.size() >= 8 &&
            std::equal(memory_.driver.begin(), memory_.driver.begin() + 4, "LDRV")) {
          config_.manufacturerId = memory_.driver[4];
          config_.modelId = memory_.driver[5];
          config_.driverVersion = static_cast<char>(memory_.driver[6]);
        }
      });
    case 0xBD:
      return BlockCommand(packet, firmwareLoad_, "firmware", [this](Bytes&& data) {
        memory_.firmware = std::move(data);
        if (memory_.firmware.size() >= 8 &&
            std::equal(memory_.firmware.begin(), memory_.firmware.begin() + 4, "LFRM")) {
          config_.firmwareLetter = static_cast<char>(memory_.firmware[4]);
          config_.firmwareNumber = memory_.firmware[5];
        }
        ClearUserProgram();  // new firmware loses the user program
      });
    case 0xBE:
      if (!expectLength(6)) return Std(8);
      if (IsMultiplexer()) return Std(3);
      silentUntil_ = std::chrono::steady_clock::now() +
                     std::chrono::milliseconds(static_cast<long>(restartDelay_ * 1000));
      return Std(0);
    default:
      break;
  }
  if (IsMultiplexer()) {
    switch (code) {
      case 0x29:
        return BlockCommand(packet, muxAttributeLoad_, "multiplexer PLC attributes", [this](Bytes&& data) {
          if (data.size() >= 2) {
            size_t k = Le16(data, 0) >= 2 ? Le16(data, 0) - 2u : 0;
            if (data.size() != k + 2 || PacketCrc(data.data(), static_cast<int>(k)) != Le16(data, k)) {
              Violation("multiplexer PLC attribute stream: length or checksum does not match");
            }
          }
          memory_.plcAttributes = std::move(data);
        });
      case 0x2A:
        if (!expectLength(8)) return Std(8);
        return DumpCommand(packet, muxAttributeDump_, memory_.plcAttributes, "multiplexer PLC attributes");
      case 0x3E:
      case 0x3F:
        if (!expectLength(6)) return Std(8);
        return Std(0);
      default:
        return Std(3);
    }
  }
  switch (code) {
    case 0xB5:
      return WriteMessage(packet);
    case 0xB4:
      if (!expectLength(8)) return Std(8);
      return MessageDump(packet);
    case 0xB9:
      if (!expectLength(37)) return Std(8);
      memory_.systemAttributes = Payload(packet);
      modified_ = true;
      return Std(0);
    case 0xB8: {
      if (!expectLength(6)) return Std(8);
      Bytes attributes = memory_.systemAttributes;
      if (attributes.size() != 31) {
        attributes = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x1F, 0xFF, 0xFF, 0, 0, 0, 0,   0xFF,
                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0,    0,    0,    0, 0, 0, 0x03};
      }
      return Reply{0xB8, attributes};
    }
    case 0xBC:
      return WritePlcAttributes(packet);
    case 0xBB:
      if (!expectLength(6)) return Std(8);
      return ReadPlcAttributes();
    default:
      return Std(3);
  }
}

}  // namespace panel_sim
