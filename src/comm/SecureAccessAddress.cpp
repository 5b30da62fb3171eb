// The server-address step of Secure Access: the address the user types (a host name or a dotted
// address) is resolved, kept in the record and the printer list, and tried once.
#include <cstring>
#include <string>

#include "comm/CSecureAccessClient.h"
#include "platform/HostAddress.h"

namespace {

// The dotted IPv4 address of a host name or dotted text; empty when it cannot be resolved.
std::string ResolveToDottedAddress(const std::string& text) {
  char dotted[16] = {};
  return ResolveHostToAddrString(text.c_str(), dotted) ? dotted : std::string();
}

void StorePString(unsigned char* to, const std::string& text) {
  const size_t length = std::min<size_t>(text.size(), 255);
  to[0] = uint8_t(length);
  std::memcpy(to + 1, text.data(), length);
}

}  // namespace

bool CSecureAccessClient::DoIPAddressDialog(WindowRef parent) {
  const SecureAccessRecord record = mHost->Record();
  std::string text = mHost->PrinterListAddress();
  if (text.empty())
    text.assign(reinterpret_cast<const char*>(record.ipAddress) + 1, record.ipAddress[0]);
  if (!mHost->RunAddressDialog(parent, &text)) return false;
  if (text.empty()) {
    // No address: the next print asks again.
    record.ipAddress[0] = 0;
    *record.bInitialConnection = 1;
    return true;
  }
  const std::string dotted = ResolveToDottedAddress(text);
  StorePString(record.ipAddress, dotted);
  mTCPIPConnection->SetIPAddress(dotted.c_str());
  mHost->RememberPrinterAddress(text);
  if (dotted.empty()) return false;
  const bool reachable = mTCPIPConnection->OpenConnection();
  mTCPIPConnection->CloseConnection();
  if (reachable) *record.bInitialConnection = 0;
  return reachable;
}
