// The one resolver of server addresses, as the Secure Access address step and the options use it.
#include <gtest/gtest.h>

#include "platform/HostAddress.h"

namespace {

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
