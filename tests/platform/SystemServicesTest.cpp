// The system-version query, the pseudo-random generator and the one resolver of server addresses
// (as the Secure Access address step and the options use it).
#include <gtest/gtest.h>

#include <set>

#include "platform/HostAddress.h"
#include "platform/Random.h"
#include "platform/SystemVersion.h"

namespace {

TEST(SystemVersion, SelectorsAnswerTheSameRelease) {
  const struct {
    int32_t major, minor;
    bool minorFails;
    int32_t sysv;
  } cases[] = {{10, 1, false, 0x1010}, {10, 3, true, 0x1030}, {10, 12, false, 0x1090}};
  for (const auto& c : cases) {
    SetSystemVersionForTesting(c.major, c.minor, c.minorFails);
    int32_t major = 0, minor = -1, packed = 0;
    EXPECT_EQ(Gestalt(FourCC("sys1"), &major), noErr);
    EXPECT_EQ(major, c.major);
    EXPECT_EQ(Gestalt(FourCC("sys2"), &minor), c.minorFails ? gestaltUndefSelectorErr : noErr);
    EXPECT_EQ(minor, c.minorFails ? -1 : c.minor);
    EXPECT_EQ(Gestalt(FourCC("sysv"), &packed), noErr);
    EXPECT_EQ(packed, c.sysv) << c.major << "." << c.minor;
  }
  ResetSystemVersion();
  int32_t packed = 0;
  EXPECT_EQ(Gestalt(FourCC("sysv"), &packed), noErr);
  EXPECT_GE(packed, 0x1040);  // a current release: none of the old start-up paths
  EXPECT_EQ(Gestalt(FourCC("what"), &packed), gestaltUndefSelectorErr);
  EXPECT_EQ(Gestalt(FourCC("sys1"), nullptr), paramErr);
}

TEST(RandomGenerator, ASeedRepeatsItsSequenceAndValuesSpreadOverTheRange) {
  SetRandomSeed(7);
  std::set<int16_t> first;
  int16_t lowest = 0, highest = 0;
  for (int i = 0; i < 2000; ++i) {
    const int16_t value = Random();
    first.insert(value);
    lowest = std::min(lowest, value);
    highest = std::max(highest, value);
  }
  EXPECT_GT(first.size(), 1900u);
  EXPECT_LT(lowest, -30000);
  EXPECT_GT(highest, 30000);
  SetRandomSeed(7);
  const int16_t again = Random();
  SetRandomSeed(7);
  EXPECT_EQ(Random(), again);
  SetRandomSeed(0);  // would stick at 0 if taken as it is
  EXPECT_NE(Random(), Random());
}

TEST(HostAddress, DottedAddressesAndKnownNamesResolveUnknownOnesDoNot) {
  const struct {
    const char* name;
    int status;
    const char* dotted;
    bool isInetAddress;  // dotted text, taken without the resolver
  } kCases[] = {
      {"10.0.0.5", 0, "10.0.0.5", true},
      {"localhost", 0, "127.0.0.1", false},
      {"no-such-server.invalid", kHostAddressUnknownHost, "", false},
      {"10.0.0 .5", kHostAddressUnknownHost, "", false},
      {nullptr, kHostAddressBadArgument, "", false},
  };
  for (const auto& c : kCases) {
    const char* name = c.name ? c.name : "(null)";
    sockaddr_in address{};
    EXPECT_EQ(LookupHostAddress(c.name, &address), c.status) << name;
    char dotted[16] = "";
    EXPECT_EQ(ResolveHostToAddrString(c.name, dotted), c.status == 0) << name;
    EXPECT_STREQ(dotted, c.dotted) << name;
    unsigned long resolved = 0;
    EXPECT_EQ(ResolveHostToAddr(c.name, &resolved), c.status == 0) << name;
    EXPECT_EQ(resolved, address.sin_addr.s_addr) << name;
    EXPECT_EQ(InetToAddr(c.name), c.isInetAddress ? resolved : kNoInetAddress) << name;
  }
  EXPECT_EQ(LookupHostAddress("localhost", nullptr), kHostAddressBadArgument);
}

}  // namespace
