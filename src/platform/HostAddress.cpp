#include "support/COwner.h"
#include "platform/HostAddress.h"

#include <arpa/inet.h>
#include <netdb.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using AddrInfoPtr = COwner<addrinfo, freeaddrinfo>;

}  // namespace

int LookupHostAddress(const char* name, sockaddr_in* out) {
  if (!name || !out) return kHostAddressBadArgument;
  std::memset(out, 0, sizeof(sockaddr_in));
  if (inet_pton(AF_INET, name, &out->sin_addr) == 1) {
    out->sin_family = AF_INET;
    return 0;
  }
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (getaddrinfo(name, nullptr, &hints, &found) != 0 || !found) return kHostAddressUnknownHost;
  const AddrInfoPtr list(found);
  const auto* address = reinterpret_cast<const sockaddr_in*>(list->ai_addr);
  out->sin_family = AF_INET;
  std::memcpy(&out->sin_addr, &address->sin_addr, sizeof(out->sin_addr));
  return 0;
}

bool ResolveHostToAddr(const char* name, unsigned long* address) {
  sockaddr_in found{};
  if (!address || LookupHostAddress(name, &found) != 0) return false;
  *address = found.sin_addr.s_addr;
  return true;
}

bool ResolveHostToAddrString(const char* name, char* out) {
  sockaddr_in found{};
  if (!out || LookupHostAddress(name, &found) != 0) return false;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&found.sin_addr.s_addr);
  std::snprintf(out, 16, "%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
  return true;
}

uint32_t InetToAddr(const char* text) {
  in_addr address{};
  if (!text || inet_pton(AF_INET, text, &address) != 1) return kNoInetAddress;
  return address.s_addr;
}
