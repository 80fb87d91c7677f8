#pragma once
// Shared parts of our sample PLC libraries: details, attribute files and the settings dialog.

#include <cstdint>
#include <string>
#include <vector>

#include "lumora_plc_api.h"

#define LUMORA_EXPORT extern "C" __attribute__((visibility("default")))

namespace sample_plc {

// details.integers[1] carries the encoded address size.
inline constexpr int kAddressSizeSlot = 1;

void FillDetails(LumoraPlcDetails* details, const char* name, const char* driver, int manufacturerId,
                 int modelId, const char* helpFile, int helpTopic, int addressSize);

// A settings byte of the attribute block, edited by the settings dialog.
struct AttributeField {
  const char* label;
  int offset;  // from the start of the PLC-specific bytes (after the length word)
  int minimum;
  int maximum;
  std::vector<std::string> choices;  // a drop-down when not empty (value = index)
};

// The block: 32-byte header with the ids, a little-endian length counting itself, then the settings.
std::vector<uint8_t> MakeAttributeBlock(int manufacturerId, int modelId,
                                        const std::vector<uint8_t>& settings);
bool WriteBlock(const char* path, const std::vector<uint8_t>& block);
// CreateAtrFileWithDefaultAttributes of a library: the block with its default settings, as 1 or 0.
unsigned char WriteDefaultBlock(const char* path, int manufacturerId, int modelId,
                                const std::vector<uint8_t>& settings);
// The baud-rate and parity choices every settings dialog offers.
AttributeField BaudRateField(int offset);
AttributeField ParityField(int offset);
bool ReadBlock(const char* path, std::vector<uint8_t>& block);

// Shows the settings dialog when a Qt application with widgets is running; otherwise accepts the block
// unchanged. Returns true when accepted.
bool EditAttributes(const char* path, const char* title, const std::vector<AttributeField>& fields);

void SetReason(LumoraPlcAddress* address, const std::string& reason);
int ApplicationType();
void StoreApplicationType(int type);

}  // namespace sample_plc
