#include "platform/SystemVersion.h"

#include <algorithm>

namespace {

// The release the extension runs as on this platform: every start-up path of a current system.
constexpr int32_t kSystemMajor = 10;
constexpr int32_t kSystemMinor = 6;

struct Version {
  int32_t major = kSystemMajor;
  int32_t minor = kSystemMinor;
  bool minorSelectorFails = false;
};

Version gVersion;

// 0xMMmb: the major as two decimal digits in hexadecimal positions, the minor (at most 9) next.
int32_t PackedVersion(const Version& v) {
  const int32_t major = std::clamp(v.major, 0, 99);
  return (major / 10) << 12 | (major % 10) << 8 | std::clamp(v.minor, 0, 9) << 4;
}

}  // namespace

OSErr Gestalt(OSType selector, int32_t* response) {
  if (!response) return paramErr;
  if (selector == FourCC("sys1")) {
    *response = gVersion.major;
  } else if (selector == FourCC("sys2") && !gVersion.minorSelectorFails) {
    *response = gVersion.minor;
  } else if (selector == FourCC("sysv")) {
    *response = PackedVersion(gVersion);
  } else {
    return gestaltUndefSelectorErr;
  }
  return noErr;
}

void SetSystemVersionForTesting(int32_t major, int32_t minor, bool minorSelectorFails) {
  gVersion = {major, minor, minorSelectorFails};
}

void ResetSystemVersion() { gVersion = {}; }
