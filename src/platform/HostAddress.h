#pragma once
// Host name resolution for server addresses, the one resolver of the system (the Secure Access
// address step and the options both use it): a dotted IPv4 address is taken as it is, anything
// else is a host name for the system resolver. Addresses are IPv4 in network byte order.
#include <netinet/in.h>

#include <cstdint>

inline constexpr int kHostAddressBadArgument = 22;
inline constexpr int kHostAddressUnknownHost = 65;
inline constexpr uint32_t kNoInetAddress = 0xffffffff;

// Clears all of `out` and fills in the family and the address of `name`: 0 on success,
// kHostAddressBadArgument when either argument is null, kHostAddressUnknownHost when the
// resolver does not know the name.
int LookupHostAddress(const char* name, sockaddr_in* out);
// True with the IPv4 address of `name` in `address`.
bool ResolveHostToAddr(const char* name, unsigned long* address);
// True with the address of `name` written as "a.b.c.d" into `out` (room for 16 bytes).
bool ResolveHostToAddrString(const char* name, char* out);
// The address of a dotted text, or kNoInetAddress when it is not one.
uint32_t InetToAddr(const char* text);
