// Server addresses resolved as the address dialog and the Secure Access client use them.
#include <gtest/gtest.h>

#include <string>

#include "options/HostAddress.h"

namespace {

TEST(HostAddress, DottedAddressesAndKnownNamesResolveUnknownOnesDoNot) {
  struct Case {
    const char* name;
    bool resolves;
    const char* dotted;
  };
  const Case cases[] = {
      {"10.0.0.5", true, "10.0.0.5"},
      {"localhost", true, "127.0.0.1"},
      {"no-such-server.invalid", false, ""},
      {"10.0.0 .5", false, ""},
  };
  for (const Case& c : cases) {
    char dotted[16] = "";
    EXPECT_EQ(ResolveHostToAddrString(c.name, dotted), c.resolves) << c.name;
    EXPECT_STREQ(dotted, c.dotted) << c.name;
  }
  sockaddr_in address{};
  EXPECT_EQ(LookupHostAddress("no-such-server.invalid", &address), kHostAddressUnknownHost);
  EXPECT_EQ(LookupHostAddress(nullptr, &address), kHostAddressBadArgument);
  EXPECT_EQ(LookupHostAddress("localhost", nullptr), kHostAddressBadArgument);
}

TEST(HostAddress, OnlyDottedTextIsAnInetAddress) {
  unsigned long resolved = 0;
  ASSERT_TRUE(ResolveHostToAddr("192.168.7.9", &resolved));
  EXPECT_EQ(InetToAddr("192.168.7.9"), resolved);
  EXPECT_EQ(InetToAddr("server.local"), kNoInetAddress);
  EXPECT_EQ(InetToAddr(nullptr), kNoInetAddress);
}

}  // namespace
