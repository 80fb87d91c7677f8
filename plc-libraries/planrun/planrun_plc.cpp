// The Plan & Run PLC library: addresses are the address parts of tag map entries, whose first field
// is a Tarvo-style address ("V2000,5,1").

#include <cstdio>
#include <cstring>
#include <string>

#include "sample_plc.h"
#include "tarvo_syntax.h"

namespace {

constexpr int kManufacturer = 34;
constexpr int kModel = 1;
constexpr long kHighestWord = 041237L;
const std::vector<uint8_t> kDefaultSettings = {1, 3, 1, 10, 3};

std::string FirstField(const char* text) {
  std::string all = text ? text : "";
  return all.substr(0, all.find(','));
}

}  // namespace

LUMORA_EXPORT const char Plc_Name[] = "Plan & Run";

LUMORA_EXPORT void PlcDetails(LumoraPlcDetails* details) {
  sample_plc::FillDetails(details, "Plan & Run", "PLANRUN", kManufacturer, kModel, "PLANRUN.html", 300, 4);
}

LUMORA_EXPORT unsigned char ValidatePlc(LumoraPlcAddress* address, const char* text, int, int, int, int) {
  std::memset(address, 0, sizeof *address);
  std::string reason;
  auto parsed = tarvo::Parse(FirstField(text), kHighestWord, &reason);
  return tarvo::FillRecord(address, parsed, reason);
}

LUMORA_EXPORT int ReBuildAddress(const LumoraPlcAddress* address, char* text, char*) {
  return tarvo::RebuildText(address, text, kHighestWord);
}

LUMORA_EXPORT unsigned char CreateAtrFileWithDefaultAttributes(const char* path) {
  return sample_plc::WriteDefaultBlock(path, kManufacturer, kModel, kDefaultSettings);
}

LUMORA_EXPORT unsigned char LaunchObjectLumora(const char* path) {
  static const std::vector<sample_plc::AttributeField> fields = {
      {"Station address", 0, 1, 90, {}},
      sample_plc::BaudRateField(1),
  };
  return sample_plc::EditAttributes(path, "Plan & Run communication", fields) ? 1 : 0;
}

LUMORA_EXPORT int CompareMapStrings(const char* first, const char* second) {
  return tarvo::Compare(FirstField(first), FirstField(second), kHighestWord);
}

LUMORA_EXPORT void SetApplicationType(int type) {
  sample_plc::StoreApplicationType(type);
}
