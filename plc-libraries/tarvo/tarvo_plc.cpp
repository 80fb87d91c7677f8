// The Tarvo DL-205 and DL-405 PLC libraries; TARVO_MODEL selects the model at build time.

#include <cstdio>
#include <cstring>
#include <string>

#include "sample_plc.h"
#include "tarvo_syntax.h"

#if TARVO_MODEL == 405
#define TARVO_NAME "Tarvo DL-405"
#define TARVO_DRIVER "TDL405"
#define TARVO_MODEL_ID 3
#define TARVO_HIGHEST_WORD 077777L
#else
#define TARVO_NAME "Tarvo DL-205"
#define TARVO_DRIVER "TDL205"
#define TARVO_MODEL_ID 2
#define TARVO_HIGHEST_WORD 041237L
#endif

namespace {

constexpr int kManufacturer = 31;
// Station address 1, baud code 3 (9600), parity code 1 (odd), time-out 10 (x 100 ms), 3 retries.
const std::vector<uint8_t> kDefaultSettings = {1, 3, 1, 10, 3};

}  // namespace

LUMORA_EXPORT const char Plc_Name[] = TARVO_NAME;

LUMORA_EXPORT void PlcDetails(LumoraPlcDetails* details) {
  sample_plc::FillDetails(details, TARVO_NAME, TARVO_DRIVER, kManufacturer, TARVO_MODEL_ID,
                          TARVO_DRIVER ".html", 100, 4);
}

LUMORA_EXPORT unsigned char ValidatePlc(LumoraPlcAddress* address, const char* text, int requestedAccess,
                                        int valueTypeCode, int, int) {
  (void)requestedAccess;
  std::memset(address, 0, sizeof *address);
  std::string reason;
  auto parsed = tarvo::Parse(text ? text : "", TARVO_HIGHEST_WORD, &reason);
  bool wide = valueTypeCode == 9 || valueTypeCode == 6;  // 32-bit values take two words
  if (parsed && wide && parsed->area == tarvo::kV && parsed->number + 1 > TARVO_HIGHEST_WORD) {
    sample_plc::SetReason(address,
                          "A 32-bit value needs two words: " + tarvo::Format(*parsed) + " is the last word");
    return 0;
  }
  return tarvo::FillRecord(address, parsed, reason);
}

LUMORA_EXPORT int ReBuildAddress(const LumoraPlcAddress* address, char* text, char*) {
  return tarvo::RebuildText(address, text, TARVO_HIGHEST_WORD);
}

LUMORA_EXPORT unsigned char CreateAtrFileWithDefaultAttributes(const char* path) {
  return sample_plc::WriteDefaultBlock(path, kManufacturer, TARVO_MODEL_ID, kDefaultSettings);
}

LUMORA_EXPORT unsigned char LaunchObjectLumora(const char* path) {
  static const std::vector<sample_plc::AttributeField> fields = {
      {"Station address", 0, 1, 90, {}},      sample_plc::BaudRateField(1), sample_plc::ParityField(2),
      {"Time-out (x 100 ms)", 3, 1, 100, {}}, {"Retries", 4, 0, 9, {}},
  };
  return sample_plc::EditAttributes(path, TARVO_NAME " communication", fields) ? 1 : 0;
}

LUMORA_EXPORT int CompareMapStrings(const char* first, const char* second) {
  return tarvo::Compare(first ? first : "", second ? second : "", TARVO_HIGHEST_WORD);
}

LUMORA_EXPORT void SetApplicationType(int type) {
  sample_plc::StoreApplicationType(type);
}
