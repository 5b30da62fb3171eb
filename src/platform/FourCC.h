#pragma once
// Four-character codes (types, control signatures, commands) as 32-bit numbers.
#include <cstdint>
#include <string>

using OSType = uint32_t;

constexpr OSType FourCC(const char (&code)[5]) {
  return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) |
         (uint32_t(uint8_t(code[2])) << 8) | uint32_t(uint8_t(code[3]));
}

inline std::string FourCCToString(OSType code) {
  return {char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
}
