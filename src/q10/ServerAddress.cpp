#include "q10/ServerAddress.h"

#include <charconv>

#include <cups/cups.h>

namespace q10 {
namespace {

constexpr int kIppPort = 631;
constexpr std::size_t kMaxAddressLength = 1024;

std::optional<int> ParsePort(std::string_view text) {
  int port = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
    return std::nullopt;
  return port;
}

std::optional<ServerAddress> ParseUri(std::string_view text) {
  char scheme[32], user[256], host[256], resource[1024];
  int port = 0;
  const std::string uri(text);
  if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof(scheme), user, sizeof(user),
                      host, sizeof(host), &port, resource, sizeof(resource)) < HTTP_URI_STATUS_OK)
    return std::nullopt;
  const std::string_view schemeName(scheme);
  if ((schemeName != "ipp" && schemeName != "ipps") || !*host) return std::nullopt;
  ServerAddress address;
  address.host = host;
  address.port = port > 0 ? port : kIppPort;
  address.encrypted = schemeName == "ipps";
  if (std::string_view(resource) != "/" && *resource) address.resource = resource;
  return address;
}

// "host", "host:port", "[v6]", "[v6]:port".
std::optional<ServerAddress> ParseHostAndPort(std::string_view text) {
  ServerAddress address;
  std::string_view host = text;
  std::string_view port;
  if (text.front() == '[') {
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = text.substr(1, close - 1);
    if (close + 1 < text.size()) {
      if (text[close + 1] != ':') return std::nullopt;
      port = text.substr(close + 2);
    }
  } else if (const auto colon = text.rfind(':'); colon != std::string_view::npos) {
    if (text.find(':') != colon) return std::nullopt;  // a bare v6 address needs brackets
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
  }
  if (host.empty() || host.find_first_of(" /\t") != std::string_view::npos) return std::nullopt;
  address.host = std::string(host);
  if (!port.empty() || text.back() == ':') {
    auto parsed = ParsePort(port);
    if (!parsed) return std::nullopt;
    address.port = *parsed;
  }
  return address;
}

}  // namespace

std::optional<ServerAddress> ParseServerAddress(std::string_view text) {
  if (text.empty() || text.size() > kMaxAddressLength) return std::nullopt;
  if (text.find("://") != std::string_view::npos) return ParseUri(text);
  return ParseHostAndPort(text);
}

std::string PrinterUri(const ServerAddress& address) {
  char uri[1024];
  httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof(uri), address.encrypted ? "ipps" : "ipp",
                  nullptr, address.host.c_str(), address.port, address.resource.c_str());
  return uri;
}

}  // namespace q10
