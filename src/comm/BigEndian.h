#pragma once
// Big-endian integers in byte buffers, as the Corvel wire format carries them.
#include <cstdint>

inline void PutBigEndian16(uint8_t* at, uint16_t value) {
  at[0] = uint8_t(value >> 8);
  at[1] = uint8_t(value);
}

inline void PutBigEndian32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = uint8_t(value >> (24 - 8 * i));
}

inline uint16_t GetBigEndian16(const uint8_t* at) { return uint16_t(at[0] << 8 | at[1]); }

inline uint32_t GetBigEndian32(const uint8_t* at) {
  return uint32_t(at[0]) << 24 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 8 | at[3];
}
