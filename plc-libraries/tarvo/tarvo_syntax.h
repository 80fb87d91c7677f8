#pragma once
// Tarvo DL-series address syntax: an area letter and an octal number, e.g. V2000, X17, C1777.

#include <optional>
#include <string>

#include "lumora_plc_api.h"

namespace tarvo {

enum Area : int { kV = 1, kX = 2, kY = 3, kC = 4 };

struct Address {
  int area;
  long number;
};

// `highestWord` is V41237 (octal) on a DL-205 and V77777 on a DL-405.
std::optional<Address> Parse(const std::string& text, long highestWord, std::string* reason);
std::string Format(const Address& address);
void Encode(const Address& address, unsigned char* encoded);
std::optional<Address> Decode(const unsigned char* encoded, long highestWord);
int AccessKind(const Address& address);  // 0 read/write, 1 read only
bool IsDiscrete(const Address& address);
// Area first, then number; texts that do not parse go last, in text order.
int Compare(const std::string& first, const std::string& second, long highestWord);

// The entry points' shared halves: fill an address record from a parsed address (the reason on failure),
// and turn a record back into text. Both return the entry point's result.
unsigned char FillRecord(LumoraPlcAddress* record, const std::optional<Address>& parsed,
                         const std::string& reason);
int RebuildText(const LumoraPlcAddress* record, char* text, long highestWord);

}  // namespace tarvo
