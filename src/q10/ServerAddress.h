#pragma once
// Where a server is: what INIT_connect was given, taken apart.
#include <optional>
#include <string>
#include <string_view>

namespace q10 {

struct ServerAddress {
  std::string host;
  int port = 631;
  std::string resource = "/ipp/print";
  bool encrypted = false;  // ipps://
};

// "host", "host:port", "[v6]:port", "ipp://host[:port][/resource]" or "ipps://..."; nullopt
// when the text names no host or a port out of range.
std::optional<ServerAddress> ParseServerAddress(std::string_view text);
// The printer URI of the address, for the printer-uri operation attribute.
std::string PrinterUri(const ServerAddress& address);

}  // namespace q10
