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
  // Nine flag bytes (validation on, password required), then the two 256-byte texts, each now a
  // length byte, its characters and the zeros that followed them.
  const std::string expected = std::string("\x00\x01\x00\x00\x01\x00\x00\x00\x00", 9) +
                               "\x13"
                               "Ask the print room." +
                               std::string(236, '\0') +
                               "\x0e"
                               "pr@example.com" +
                               std::string(241, '\0');
  ASSERT_EQ(expected.size(), 521u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&client.Settings()), expected.size()),
            expected);
}

// The line goes to the server as the user typed it, an empty field still followed by its tab.
TEST(SecureAccessWire, TheValidationLineCarriesEachCredentialAndItsSeparators) {
  unsetenv("CORVEL_SECURE_ACCESS_PORT");
  const struct {
    const char* user;
    const char* password;
    const char* account;
    const char* logged;  // corvel-sim's log of the line: tab and carriage return escaped
  } kCases[] = {
      {"jdoe", "pw", "1001", "101 jdoe\\tpw\\t1001\\r"},
      {"", "pw", "1001", "101 \\tpw\\t1001\\r"},
      {"jdoe", "", "1001", "101 jdoe\\t\\t1001\\r"},
      {"jdoe", "pw", "", "101 jdoe\\tpw\\t\\r"},
      {"", "", "", "101 \\t\\t\\r"},
  };
  corveltest::SecureAccessServer server("user jdoe pw 1001\n", "", kServicePort);
  std::string expected;
  for (const auto& c : kCases) {
    RecordHost host(c.user, c.password, c.account);
    CSecureAccessClient client(&host);
    bool commError = true;
    client.DoValidateSecureAccessInfo(nullptr, &commError);
    EXPECT_FALSE(commError) << c.logged;
    expected += std::string(c.logged) + "\n";
  }
  EXPECT_EQ(server.Requests(), expected);
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

// The address the user types goes through the system's one resolver; a server that answers on
// the resolved address confirms it.
TEST(SecureAccessWire, TheAddressStepResolvesWhatTheUserTypesAndTriesIt) {
  unsetenv("CORVEL_SECURE_ACCESS_PORT");
  const struct {
    const char* typed;
    bool confirmed;
    const char* stored;
    uint8_t initialConnection;  // 1: the next print asks for the address again
  } kCases[] = {
      {"localhost", true, "127.0.0.1", 0},
      {"127.0.0.1", true, "127.0.0.1", 0},
      {"no-such-server.invalid", false, "", 1},
      {"", true, "", 1},
  };
  corveltest::SecureAccessServer server("", "", kServicePort);
  for (const auto& c : kCases) {
    RecordHost host;
    host.initialConnection = 1;
    host.typedAddress = c.typed;
    CSecureAccessClient client(&host);
    EXPECT_EQ(client.DoIPAddressDialog(nullptr), c.confirmed) << c.typed;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(host.address) + 1, host.address[0]),
              c.stored)
        << c.typed;
    EXPECT_EQ(host.initialConnection, c.initialConnection) << c.typed;
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
