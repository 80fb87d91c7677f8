#pragma once
// The packet frame shared by commands and replies:
//   AA, length L, 10, 01, code, payload..., CRC low, CRC high      (L + 1 bytes)
// The CRC (polynomial 0x1021, initial 0, CRC-16/XMODEM) covers bytes 1 .. L-2.

#include <cstddef>
#include <cstdint>

namespace lumora {

inline constexpr uint8_t kStartByte = 0xAA;
inline constexpr int kMaxReplyLength = 69;  // largest length byte of a reply
inline constexpr size_t kCommandAreaSize = 256;

uint16_t PacketCrc(const uint8_t* bytes, int count);
// Recomputes the CRC of a framed packet and compares it with the stored one.
bool VerifyPacketCrc(const uint8_t* packet);
// Stores the CRC of bytes 1 .. L-2 at L-1 (low) and L (high).
void StorePacketCrc(uint8_t* packet);

inline uint16_t ReadBigEndian16(const uint8_t* at) {
  return static_cast<uint16_t>((at[0] << 8) | at[1]);
}
inline uint32_t ReadBigEndian32(const uint8_t* at) {
  return (static_cast<uint32_t>(at[0]) << 24) | (static_cast<uint32_t>(at[1]) << 16) |
         (static_cast<uint32_t>(at[2]) << 8) | at[3];
}
inline uint16_t ReadLittleEndian16(const uint8_t* at) {
  return static_cast<uint16_t>(at[0] | (at[1] << 8));
}
inline uint32_t ReadLittleEndian32(const uint8_t* at) {
  return at[0] | (static_cast<uint32_t>(at[1]) << 8) | (static_cast<uint32_t>(at[2]) << 16) |
         (static_cast<uint32_t>(at[3]) << 24);
}
inline void WriteBigEndian16(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value >> 8);
  at[1] = static_cast<uint8_t>(value);
}
inline void WriteBigEndian32(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value >> 24);
  at[1] = static_cast<uint8_t>(value >> 16);
  at[2] = static_cast<uint8_t>(value >> 8);
  at[3] = static_cast<uint8_t>(value);
}

}  // namespace lumora
