// The Modbus RTU PLC library: 1-based five-digit references.
// 4xxxx holding registers, 3xxxx input registers, 0xxxx coils, 1xxxx discrete inputs.

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "sample_plc.h"

namespace {

constexpr int kManufacturer = 40;
constexpr int kModel = 1;
// Slave id 1, baud code 3 (9600), parity code 2 (even), time-out 10 (x 100 ms).
const std::vector<uint8_t> kDefaultSettings = {1, 3, 2, 10};

struct Reference {
  int table;   // 0 coils, 1 discrete inputs, 3 input registers, 4 holding registers
  int number;  // 1 .. 9999
};

std::optional<Reference> Parse(const std::string& text, std::string* reason) {
  auto refuse = [&](const char* why) -> std::optional<Reference> {
    if (reason) *reason = "Invalid address \"" + text + "\": " + why;
    return std::nullopt;
  };
  if (text.size() != 5) return refuse("use five digits, e.g. 40001");
  for (char c : text) {
    if (c < '0' || c > '9') return refuse("use five digits, e.g. 40001");
  }
  int table = text[0] - '0';
  if (table != 0 && table != 1 && table != 3 && table != 4)
    return refuse("the first digit must be 0, 1, 3 or 4");
  int number = std::stoi(text.substr(1));
  if (number < 1) return refuse("references start at 1");
  return Reference{table, number};
}

std::string Format(const Reference& reference) {
  char text[16];
  std::snprintf(text, sizeof text, "%d%04d", reference.table, reference.number);
  return text;
}

}  // namespace

LUMORA_EXPORT const char Plc_Name[] = "Modbus RTU";

LUMORA_EXPORT void PlcDetails(LumoraPlcDetails* details) {
  sample_plc::FillDetails(details, "Modbus RTU", "MODRTU", kManufacturer, kModel, "MODRTU.html", 200, 3);
}

LUMORA_EXPORT unsigned char ValidatePlc(LumoraPlcAddress* address, const char* text, int, int, int, int) {
  std::memset(address, 0, sizeof *address);
  std::string reason;
  auto parsed = Parse(text ? text : "", &reason);
  if (!parsed) {
    sample_plc::SetReason(address, reason);
    return 0;
  }
  address->encoded[0] = static_cast<unsigned char>(parsed->table);
  address->encoded[1] = static_cast<unsigned char>((parsed->number - 1) >> 8);
  address->encoded[2] = static_cast<unsigned char>((parsed->number - 1) & 0xFF);
  address->discrete = parsed->table <= 1 ? 1 : 0;
  address->accessKind = parsed->table == 1 || parsed->table == 3 ? 1 : 0;
  return 1;
}

LUMORA_EXPORT int ReBuildAddress(const LumoraPlcAddress* address, char* text, char*) {
  int table = address->encoded[0];
  int number = ((address->encoded[1] << 8) | address->encoded[2]) + 1;
  if ((table != 0 && table != 1 && table != 3 && table != 4) || number > 9999) return 0;
  std::snprintf(text, LUMORA_PLC_TEXT_SIZE, "%s", Format({table, number}).c_str());
  return 1;
}

LUMORA_EXPORT unsigned char CreateAtrFileWithDefaultAttributes(const char* path) {
  return sample_plc::WriteDefaultBlock(path, kManufacturer, kModel, kDefaultSettings);
}

LUMORA_EXPORT unsigned char LaunchObjectLumora(const char* path) {
  static const std::vector<sample_plc::AttributeField> fields = {
      {"Slave id", 0, 1, 247, {}},
      sample_plc::BaudRateField(1),
      sample_plc::ParityField(2),
      {"Time-out (x 100 ms)", 3, 1, 100, {}},
  };
  return sample_plc::EditAttributes(path, "Modbus RTU communication", fields) ? 1 : 0;
}

LUMORA_EXPORT int CompareMapStrings(const char* first, const char* second) {
  auto a = Parse(first ? first : "", nullptr);
  auto b = Parse(second ? second : "", nullptr);
  if (a && b) {
    if (a->table != b->table) return a->table < b->table ? -1 : 1;
    return a->number < b->number ? -1 : a->number > b->number ? 1 : 0;
  }
  if (a || b) return a ? -1 : 1;
  int order = std::strcmp(first ? first : "", second ? second : "");
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

LUMORA_EXPORT void SetApplicationType(int type) {
  sample_plc::StoreApplicationType(type);
}
