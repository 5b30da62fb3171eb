#pragma once
// UUIDs as 16-byte values (libuuid), and their text form "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX".
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using CFUUIDBytes = std::array<uint8_t, 16>;

struct CFUUID {
  CFUUIDBytes bytes{};
  auto operator<=>(const CFUUID&) const = default;
};
using CFUUIDRef = CFUUID;

// The UUID of a text form (either case); nullopt when the text is not one.
std::optional<CFUUIDRef> CFUUIDCreateFromString(std::string_view text);

constexpr CFUUIDRef CFUUIDCreateFromUUIDBytes(const CFUUIDBytes& bytes) { return CFUUID{bytes}; }
constexpr CFUUIDBytes CFUUIDGetUUIDBytes(const CFUUIDRef& uuid) { return uuid.bytes; }
constexpr CFUUIDRef CFUUIDGetConstantUUIDWithBytes(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3,
                                                   uint8_t b4, uint8_t b5, uint8_t b6, uint8_t b7,
                                                   uint8_t b8, uint8_t b9, uint8_t b10, uint8_t b11,
                                                   uint8_t b12, uint8_t b13, uint8_t b14,
                                                   uint8_t b15) {
  return CFUUID{{b0, b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15}};
}
