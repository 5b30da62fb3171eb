#include "platform/Random.h"

#include <chrono>
#include <optional>

namespace {

constexpr uint64_t kModulus = 2147483647;  // 2^31 - 1
constexpr uint64_t kMultiplier = 16807;

std::optional<uint32_t> gSeed;

uint32_t ValidSeed(uint64_t seed) {
  const uint32_t reduced = static_cast<uint32_t>(seed % kModulus);
  return reduced == 0 ? 1 : reduced;
}

uint32_t& Seed() {
  if (!gSeed) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    gSeed = ValidSeed(static_cast<uint64_t>(now));
  }
  return *gSeed;
}

}  // namespace

void SetRandomSeed(uint32_t seed) { gSeed = ValidSeed(seed); }

int16_t Random() {
  uint32_t& seed = Seed();
  seed = static_cast<uint32_t>(seed * kMultiplier % kModulus);
  // The low 16 bits as a signed value; -32768 is folded to 0 so the range is symmetric.
  const auto value = static_cast<int16_t>(static_cast<uint16_t>(seed & 0xFFFF));
  return value == -32768 ? 0 : value;
}
