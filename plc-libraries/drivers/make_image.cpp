// Writes deterministic sample images as Intel HEX or Motorola S-record files: the PLC drivers and
// firmware files of the install tree, and test images.
//
//   make_image hex  OUT BASE SIZE SEED [TAG A B C]   Intel HEX, 16-bit addresses, 32-byte records
//   make_image srec OUT BASE SIZE SEED [TAG A B C]   S-records (S2 or S3 by address), 32-byte records
//
// With TAG ("LDRV" for a PLC driver, "LFRM" for firmware) the image starts with the four tag letters
// and three identification bytes: a driver's manufacturer id, model id and version letter, or a
// firmware's revision letter, revision number and 0. The simulated panel reads them.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Content(size_t size, uint32_t seed) {
  std::vector<uint8_t> bytes(size);
  uint32_t state = seed ? seed : 1;
  for (uint8_t& byte : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<uint8_t>(state >> 24);
  }
  return bytes;
}

bool WriteHex(FILE* out, uint32_t base, const std::vector<uint8_t>& bytes) {
  if (base + bytes.size() > 0x10000) return false;
  for (size_t at = 0; at < bytes.size(); at += 32) {
    size_t count = std::min<size_t>(32, bytes.size() - at);
    uint32_t address = base + static_cast<uint32_t>(at);
    unsigned sum = static_cast<unsigned>(count + (address >> 8) + (address & 0xFF));
    std::fprintf(out, ":%02X%04X00", static_cast<unsigned>(count), address);
    for (size_t i = 0; i < count; ++i) {
      std::fprintf(out, "%02X", bytes[at + i]);
      sum += bytes[at + i];
    }
    std::fprintf(out, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
  }
  std::fprintf(out, ":00000001FF\r\n");
  return true;
}

void WriteSrec(FILE* out, uint32_t base, const std::vector<uint8_t>& bytes) {
  std::fprintf(out, "S00600004844521B\r\n");
  bool wide = base + bytes.size() > 0xFFFFFF;
  int addressBytes = wide ? 4 : 3;
  for (size_t at = 0; at < bytes.size(); at += 32) {
    size_t count = std::min<size_t>(32, bytes.size() - at);
    uint32_t address = base + static_cast<uint32_t>(at);
    unsigned length = static_cast<unsigned>(count + addressBytes + 1);
    unsigned sum = length;
    std::fprintf(out, "S%c%02X", wide ? '3' : '2', length);
    for (int i = addressBytes - 1; i >= 0; --i) {
      unsigned byte = (address >> (8 * i)) & 0xFF;
      std::fprintf(out, "%02X", byte);
      sum += byte;
    }
    for (size_t i = 0; i < count; ++i) {
      std::fprintf(out, "%02X", bytes[at + i]);
      sum += bytes[at + i];
    }
    std::fprintf(out, "%02X\r\n", (~sum) & 0xFF);
  }
  std::fprintf(out, wide ? "S70500000000FA\r\n" : "S804000000FB\r\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 10) {
    std::fprintf(stderr, "usage: %s hex|srec OUT BASE SIZE SEED [TAG A B C]\n", argv[0]);
    return 2;
  }
  std::string kind = argv[1];
  uint32_t base = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 0));
  size_t size = std::strtoul(argv[4], nullptr, 0);
  uint32_t seed = static_cast<uint32_t>(std::strtoul(argv[5], nullptr, 0));
  FILE* out = std::fopen(argv[2], "wb");
  if (!out) {
    std::perror(argv[2]);
    return 1;
  }
  std::vector<uint8_t> bytes = Content(size, seed);
  if (argc == 10 && size >= 8) {
    for (int i = 0; i < 4; ++i)
      bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(argv[6][i]);
    for (int i = 0; i < 3; ++i) {
      const char* value = argv[7 + i];
      // A single non-digit character stands for itself ("B"); anything else is a number.
      bytes[static_cast<size_t>(4 + i)] = static_cast<uint8_t>(
          value[0] && !value[1] && !(value[0] >= '0' && value[0] <= '9') ? value[0]
                                                                         : std::strtoul(value, nullptr, 0));
    }
    bytes[7] = 0;
  }
  bool ok = true;
  if (kind == "hex") {
    ok = WriteHex(out, base, bytes);
  } else if (kind == "srec") {
    WriteSrec(out, base, bytes);
  } else {
    ok = false;
  }
  std::fclose(out);
  if (!ok) {
    std::fprintf(stderr, "%s: cannot write %s image at 0x%X with %zu bytes\n", argv[0], kind.c_str(), base,
                 size);
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
