// The Secure Access client's two requests against corvel-sim on port 8163, the port the client
// uses when nothing else is configured: what comes back is taken byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "TestSupport/SecureAccessServer.h"
#include "comm/CSecureAccessClient.h"

namespace {

// The record of a user who typed jdoe / pw / 1001 for the server on loopback.
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

constexpr int kServicePort = 8163;

TEST(SecureAccessWire, SettingsArriveByteForByteAndTheirTextsBecomeLengthPrefixed) {
  unsetenv("CORVEL_SECURE_ACCESS_PORT");
  corveltest::SecureAccessServer server(
      "secure-access on\nrequire-password on\nmessage Ask the print room.\nemail pr@example.com\n",
      "", kServicePort);
  RecordHost host;
  CSecureAccessClient client(&host);
  ASSERT_TRUE(client.GetSecureAccessSettings());
  const SSecureAccessOptions& settings = client.Settings();
  EXPECT_EQ(settings.bEnableSecureAccess, 1);
  EXPECT_EQ(settings.bUserID, 0);
  EXPECT_EQ(settings.bPassword, 1);
  EXPECT_EQ(settings.bAcctNumber, 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(settings.strClientErrorMsg) + 1,
                        settings.strClientErrorMsg[0]),
            "Ask the print room.");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(settings.strEmailAddress) + 1,
                        settings.strEmailAddress[0]),
            "pr@example.com");
}

TEST(SecureAccessWire, AnswersToTheValidationRequest) {
  unsetenv("CORVEL_SECURE_ACCESS_PORT");
  const struct {
    const char* name;
    const char* config;
    const char* misbehaviour;
    bool valid, commError;
    const char* flags;
  } kCases[] = {
      {"accepted", "user jdoe pw 1001\n", "", true, false, ""},
      {"wrong account", "user jdoe pw 7\n", "", false, false, "000010"},
      {"split across segments", "user jdoe pw 1001\n", "split", true, false, ""},
      {"flags cut short", "user nobody - -\n", "short", false, true, ""},
      {"closed without answer", "user jdoe pw 1001\n", "close", false, true, ""},
      {"garbage", "user jdoe pw 1001\n", "garbage", false, false, ""},
  };
  for (const auto& c : kCases) {
    corveltest::SecureAccessServer server(c.config, c.misbehaviour, kServicePort);
    RecordHost host;
    CSecureAccessClient client(&host);
    char flags[CSecureAccessClient::kFlagsLength + 1] = "x";
    bool commError = false;
    EXPECT_EQ(client.DoValidateSecureAccessInfo(flags, &commError), c.valid) << c.name;
    EXPECT_EQ(commError, c.commError) << c.name;
    EXPECT_STREQ(flags, c.flags) << c.name;
  }
}

TEST(SecureAccessWire, SettingsRefusedMarkEveryCredentialRequired) {
  unsetenv("CORVEL_SECURE_ACCESS_PORT");
  corveltest::SecureAccessServer server("settings unavailable\n", "", kServicePort);
  RecordHost host;
  CSecureAccessClient client(&host);
  EXPECT_FALSE(client.GetSecureAccessSettings());
  const SSecureAccessOptions& settings = client.Settings();
  EXPECT_EQ(
      settings.bEnableSecureAccess + settings.bUserID + settings.bPassword + settings.bAcctNumber,
      4);
}

}  // namespace
