#include "link/packet.h"

namespace lumora {

uint16_t PacketCrc(const uint8_t* bytes, int count) {
  uint16_t crc = 0;
  for (int i = 0; i < count; ++i) {
    crc ^= static_cast<uint16_t>(bytes[i] << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
    }
  }
  return crc;
}

bool VerifyPacketCrc(const uint8_t* packet) {
  int length = packet[1];
  if (length < 3) return false;
  uint16_t crc = PacketCrc(packet + 1, length - 2);
  return packet[length - 1] == (crc & 0xFF) && packet[length] == (crc >> 8);
}

void StorePacketCrc(uint8_t* packet) {
  int length = packet[1];
  uint16_t crc = PacketCrc(packet + 1, length - 2);
  packet[length - 1] = static_cast<uint8_t>(crc & 0xFF);
  packet[length] = static_cast<uint8_t>(crc >> 8);
}

}  // namespace lumora
