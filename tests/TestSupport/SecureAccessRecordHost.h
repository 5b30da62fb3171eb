#pragma once
// A Secure Access host with nothing but a user's record: jdoe / pw / 1001 for the server on
// loopback. No windows, no bundle, no address dialog: for driving the client's requests alone.
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "comm/SecureAccessHost.h"

namespace corveltest {

class RecordHost : public SecureAccessHost {
 public:
  RecordHost() {
    for (auto [field, text] :
         {std::pair{owner, "jdoe"}, {password, "pw"}, {account, "1001"}, {address, "127.0.0.1"}}) {
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
  bool RunAddressDialog(WindowRef, std::string*) override { return false; }
  void RememberPrinterAddress(const std::string&) override {}

  unsigned char owner[256] = {}, password[256] = {}, account[256] = {}, address[256] = {};
  uint8_t initialConnection = 0;
};

}  // namespace corveltest
