#pragma once
// Four-character codes (types, control signatures, commands) as 32-bit numbers: the first
// character in the high byte. Every code is made and spelled out through these calls.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using OSType = uint32_t;

// The code of a text of exactly four bytes; nullopt for any other length.
constexpr std::optional<OSType> FourCCFromText(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  OSType code = 0;
  for (char c : text) code = (code << 8) | uint8_t(c);
  return code;
}

// The code of a four-character literal, FourCC("outp").
constexpr OSType FourCC(const char (&code)[5]) { return *FourCCFromText({code, 4}); }

// The four characters of a code.
inline std::string FourCCToString(OSType code) {
  return {char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
}
