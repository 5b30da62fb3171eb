// The Secure Access client's two requests against corvel-sim on port 8163, the port the client
// uses when nothing else is configured: what comes back is taken byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "TestSupport/SecureAccessRecordHost.h"
#include "TestSupport/SecureAccessServer.h"
#include "comm/CSecureAccessClient.h"

namespace {

using corveltest::RecordHost;

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
