#include "tarvo_syntax.h"

#include "sample_plc.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace tarvo {
namespace {

long Highest(int area, long highestWord) {
  switch (area) {
    case kV:
      return highestWord;
    case kX:
    case kY:
      return 0777;
    case kC:
      return 01777;
    default:
      return -1;
  }
}

int AreaOf(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'V':
      return kV;
    case 'X':
      return kX;
    case 'Y':
      return kY;
    case 'C':
      return kC;
    default:
      return 0;
  }
}

const char* kLetters = "?VXYC";

}  // namespace

std::optional<Address> Parse(const std::string& text, long highestWord, std::string* reason) {
  auto refuse = [reason, &text](const std::string& why) -> std::optional<Address> {
    if (reason) *reason = "Invalid address \"" + text + "\": " + why;
    return std::nullopt;
  };
  if (text.empty()) return refuse("empty");
  int area = AreaOf(text[0]);
  if (area == 0) return refuse("the address must start with V, X, Y or C");
  if (text.size() < 2) return refuse("the octal number is missing");
  long number = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '7') return refuse("use octal digits 0 to 7");
    number = number * 8 + (c - '0');
    if (number > 077777777) return refuse("the number is too large");
  }
  if (number > Highest(area, highestWord)) {
    char highest[32];
    std::snprintf(highest, sizeof highest, "%c%lo", kLetters[area], Highest(area, highestWord));
    return refuse(std::string("the highest address is ") + highest);
  }
  return Address{area, number};
}

std::string Format(const Address& address) {
  char text[32];
  std::snprintf(text, sizeof text, "%c%lo", kLetters[address.area], address.number);
  return text;
}

void Encode(const Address& address, unsigned char* encoded) {
  encoded[0] = static_cast<unsigned char>(address.area);
  encoded[1] = 0;
  encoded[2] = static_cast<unsigned char>((address.number >> 8) & 0xFF);
  encoded[3] = static_cast<unsigned char>(address.number & 0xFF);
}

std::optional<Address> Decode(const unsigned char* encoded, long highestWord) {
  int area = encoded[0];
  if (area < kV || area > kC || encoded[1] != 0) return std::nullopt;
  long number = (static_cast<long>(encoded[2]) << 8) | encoded[3];
  if (number > Highest(area, highestWord)) return std::nullopt;
  return Address{area, number};
}

int AccessKind(const Address& address) {
  if (address.area == kX) return 1;
  if (address.area == kV && address.number >= 07400 && address.number <= 07777) return 1;
  return 0;
}

bool IsDiscrete(const Address& address) {
  return address.area != kV;
}

int Compare(const std::string& first, const std::string& second, long highestWord) {
  auto a = Parse(first, highestWord, nullptr);
  auto b = Parse(second, highestWord, nullptr);
  if (a && b) {
    if (a->area != b->area) return a->area < b->area ? -1 : 1;
    if (a->number != b->number) return a->number < b->number ? -1 : 1;
    return 0;
  }
  if (a) return -1;
  if (b) return 1;
  int order = std::strcmp(first.c_str(), second.c_str());
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

unsigned char FillRecord(LumoraPlcAddress* record, const std::optional<Address>& parsed,
                         const std::string& reason) {
  if (!parsed) {
    sample_plc::SetReason(record, reason);
    return 0;
  }
  Encode(*parsed, record->encoded);
  record->accessKind = AccessKind(*parsed);
  record->discrete = IsDiscrete(*parsed) ? 1 : 0;
  return 1;
}

int RebuildText(const LumoraPlcAddress* record, char* text, long highestWord) {
  auto decoded = Decode(record->encoded, highestWord);
  if (!decoded) return 0;
  std::snprintf(text, LUMORA_PLC_TEXT_SIZE, "%s", Format(*decoded).c_str());
  return 1;
}

}  // namespace tarvo
