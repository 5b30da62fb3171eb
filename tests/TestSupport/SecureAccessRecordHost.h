#pragma once
// A Secure Access host with nothing but a user's record: jdoe / pw / 1001 for the server on
// loopback. No windows, no bundle; the address dialog, when a test gives `typedAddress`, answers
// OK with that text at once.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "comm/SecureAccessHost.h"

namespace corveltest {

class RecordHost : public SecureAccessHost {
 public:
  RecordHost(const char* user = "jdoe", const char* userPassword = "pw",
             const char* accountNumber = "1001") {
    for (auto [field, text] : {std::pair{owner, user},
                               {password, userPassword},
                               {account, accountNumber},
                               {address, "127.0.0.1"}}) {
      field[0] = uint8_t(std::strlen(text));
      std::memcpy(field + 1, text, field[0]);
    }
  }
  SecureAccessRecord Record() override {
    return {owner, password, account, address, &initialConnection};
  }
  WindowRef GetPrinterWindow() override { return nullptr; }
  OSStatus GetWindowFromNIB(const std::string&, WindowRef*) override { return -1; }
  CFBundleRef GetBundle() override { return nullptr; }
  void LimitTextField(ControlRef, int32_t, bool) override {}
  std::string PrinterListAddress() override { return {}; }
  bool RunAddressDialog(WindowRef, std::string* text) override {
    if (typedAddress) *text = *typedAddress;
    return typedAddress.has_value();
  }
  void RememberPrinterAddress(const std::string&) override {}

  unsigned char owner[256] = {}, password[256] = {}, account[256] = {}, address[256] = {};
  uint8_t initialConnection = 0;
  std::optional<std::string> typedAddress;
};

}  // namespace corveltest
