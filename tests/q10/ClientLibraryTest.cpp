// The server client library against a real IPP printer: connecting, tickets, attribute reads
// with their standard fallbacks, devices, localization, features, colour, and a hostile printer.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport/IppServer.h"
#include "TestSupport/Loopback.h"
#include "TestSupport/LoopbackPrinter.h"
#include "q10/Scoped.h"
#include "q10/q10.h"

namespace {

using corveltest::LoopbackPrinter;
using namespace std::chrono_literals;

// A printer that answers every request with the same bytes.
LoopbackPrinter::Script Always(std::string answer) {
  return [answer](LoopbackPrinter& peer, int client, int, const std::string&) {
    peer.Send(client, answer);
  };
}

using corveltest::IppServer;

const std::string kPrinterAttributes = corveltest::kSamplePrinterAttributes + std::string(R"(
ATTR text vidInput1Name "Tray 1"
ATTR keyword media-source-supported tray-1,manual
ATTR octetString printer-input-tray "type=sheetFeedAutoRemovableTray;maxcapacity=250;level=100;name=Main;","type=sheetFeedManual;maxcapacity=1;level=-2;name=Manual;"
ATTR name marker-names "Cyan","Black"
ATTR integer marker-levels 40,80
ATTR integer marker-high-levels 100,90
ATTR text corvel-icc-profiles "sRGB IEC61966-2.1=p1","Press=p2"
ATTR text corvel-device-links "p1,p2=sRGB to Press"
)");

const char* const kPrinterStrings = R"("KTFinisher.Finisher6" = "Finisher 6";
"Tray 1" = "First tray";
)";

// A connection for one test, closed when it goes.
struct Connection {
  explicit Connection(const std::string& host, int32_t connectSeconds = 5) {
    result = INIT_connect(host.c_str(), nullptr, nullptr, 0, 0, nullptr, -1, -1, connectSeconds, 1,
                          0, &handle, nullptr);
  }
  ~Connection() {
    if (handle) INIT_disconnectFromServer(handle, nullptr);
  }
  QuillonResult result;
  QuillonServerHandle* handle = nullptr;
};

// The trays of the printer's one device, as DEV_getTrayInfo hands them out; freed with the holder.
struct Trays {
  explicit Trays(QuillonServerHandle* handle)
      : result(DEV_getTrayInfo(handle, 0, &list, &count, nullptr)) {}
  ~Trays() { quillon_free(list); }
  QuillonTrayInfo** list = nullptr;
  int32_t count = 0;
  QuillonResult result;
};

// The first value of an attribute, or "(none)" when the library has none.
std::string FirstValue(QuillonSessionHandle& session, const char* name) {
  char** values = nullptr;
  QuillonAttributeType* types = nullptr;
  int32_t count = 0;
  const QuillonResult result =
      ATTR_getAttributeValues(&session, 0, name, &values, &types, &count, nullptr);
  std::string first = result == QUILLON_RESULT_OK && values && count > 0 ? values[0] : "(none)";
  quillon_free(values);
  quillon_free(types);
  return first;
}

std::vector<std::string> StringList(char** strings, int32_t count) {
  std::vector<std::string> list(strings, strings + (strings ? count : 0));
  quillon_free(strings);
  return list;
}

// A test against the sample printer, connected to it.
class ConnectedClient : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.Running()); }
  IppServer server{kPrinterAttributes, kPrinterStrings};
  Connection connection{server.Address()};
};

TEST(ClientConnect, ConnectsToAPrinterAndRefusesWhatIsNone) {
  IppServer server(kPrinterAttributes, kPrinterStrings);
  ASSERT_TRUE(server.Running());
  const std::string closedPort = "127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort());
  const struct {
    std::string host;
    bool connects;
  } cases[] = {
      {server.Address(), true},
      {"ipp://127.0.0.1:" + std::to_string(server.Port()) + "/ipp/print", true},
      {"ipp://127.0.0.1:" + std::to_string(server.Port()), true},
      {closedPort, false},
      {"no-such-host.invalid", false},
      {"127.0.0.1:99999", false},
      {"", false},
  };
  for (const auto& c : cases) {
    Connection connection(c.host);
    EXPECT_EQ(connection.result == QUILLON_RESULT_OK, c.connects) << c.host;
    EXPECT_EQ(connection.handle != nullptr, c.connects) << c.host;
    if (!connection.handle) continue;
    EXPECT_NE(connection.handle->hostName, nullptr) << c.host;
    EXPECT_EQ(INIT_setTimeout(connection.handle, 30, nullptr), QUILLON_RESULT_OK);
  }
  Connection gone(server.Address());
  ASSERT_EQ(INIT_disconnectFromServer(gone.handle, nullptr), QUILLON_RESULT_OK);
  EXPECT_EQ(gone.handle->hostName, nullptr);
  EXPECT_NE(INIT_handleIsValid(gone.handle, nullptr), QUILLON_RESULT_OK);
  gone.handle = nullptr;
}

// Real printers answer with 20 to 150 kB of attributes, and an answer may arrive in pieces: the
// client reads on until it has every byte it needs.
TEST(ClientConnect, LargeAnswersAndAnswersInPiecesAreReadWhole) {
  const std::string note(1000, 'n');
  std::string attributes = kPrinterAttributes;
  for (int i = 1; i <= 150; ++i)
    attributes += "ATTR text vidNote" + std::to_string(i) + " \"" + note + "\"\n";
  IppServer large(attributes, kPrinterStrings);
  ASSERT_TRUE(large.Running());
  const std::string answer = corveltest::HttpPrinterAnswer([&](ipp_t* printer) {
    ippAddString(printer, IPP_TAG_PRINTER, IPP_TAG_TEXT, "vidNote150", nullptr, note.c_str());
  });
  LoopbackPrinter inPieces([&](LoopbackPrinter& peer, int client, int, const std::string&) {
    const std::size_t insideTheLastValue = answer.size() - 50;
    if (peer.Send(client, answer.substr(0, insideTheLastValue)) && peer.Pause(100ms))
      peer.Send(client, answer.substr(insideTheLastValue));
  });
  for (const std::string& address : {large.Address(), inPieces.Address()}) {
    Connection connection(address);
    ASSERT_EQ(connection.result, QUILLON_RESULT_OK) << address;
    QuillonSessionHandle session{};
    ASSERT_EQ(ATTR_openSession(connection.handle, &session, nullptr), QUILLON_RESULT_OK);
    EXPECT_EQ(FirstValue(session, "vidNote150"), note) << address;
    ATTR_closeSession(&session, nullptr);
  }
}

TEST(ClientTickets, NonBlockingConnectIsPolledToHundred) {
  IppServer server(kPrinterAttributes, kPrinterStrings);
  ASSERT_TRUE(server.Running());
  auto* ticket = static_cast<QuillonNBTicket*>(quillon_malloc(8));
  QuillonServerHandle* handle = nullptr;
  ASSERT_EQ(INIT_connect(server.Address().c_str(), nullptr, nullptr, 0, 0, "trpc", -1, -1, 10, 1, 1,
                         &handle, ticket),
            QUILLON_RESULT_OK);
  float progress = 0;
  int32_t phase = 0;
  QuillonResult result = QUILLON_RESULT_PENDING;
  for (int i = 0; i < 500 && progress < 100.0f; ++i) {
    ASSERT_EQ(NB_checkTicket(ticket, &progress, &phase, &result), QUILLON_RESULT_OK);
    EXPECT_GE(progress, 0.0f);
    if (progress < 100.0f) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(progress, 100.0f);
  EXPECT_EQ(result, QUILLON_RESULT_OK);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(INIT_handleIsValid(handle, nullptr), QUILLON_RESULT_OK);
  EXPECT_EQ(NB_destroy(ticket), QUILLON_RESULT_OK);
  EXPECT_EQ(INIT_disconnectFromServer(handle, nullptr), QUILLON_RESULT_OK);
}

// A session object may hand out a ticket for which it started no request: it is done at once.
TEST(ClientTickets, ATicketWithoutARequestIsDone) {
  auto* ticket = static_cast<QuillonNBTicket*>(quillon_malloc(8));
  float progress = 0;
  QuillonResult result = QUILLON_RESULT_PENDING;
  EXPECT_EQ(NB_block(ticket), QUILLON_RESULT_OK);
  EXPECT_EQ(NB_checkTicket(ticket, &progress, nullptr, &result), QUILLON_RESULT_OK);
  EXPECT_EQ(progress, 100.0f);
  EXPECT_EQ(result, QUILLON_RESULT_OK);
  EXPECT_EQ(NB_destroy(ticket), QUILLON_RESULT_OK);
}

TEST(ClientTickets, CancelOfAnUnansweredRequestReturnsPromptly) {
  corveltest::SilentListener silent;
  ASSERT_NE(silent.Port(), 0);
  auto* ticket = static_cast<QuillonNBTicket*>(quillon_malloc(8));
  QuillonServerHandle* handle = nullptr;
  const std::string host = "127.0.0.1:" + std::to_string(silent.Port());
  ASSERT_EQ(
      INIT_connect(host.c_str(), nullptr, nullptr, 0, 0, "trpc", -1, -1, 10, 1, 1, &handle, ticket),
      QUILLON_RESULT_OK);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  float progress = 0;
  QuillonResult result = QUILLON_RESULT_OK;
  NB_checkTicket(ticket, &progress, nullptr, &result);
  EXPECT_LT(progress, 100.0f);
  EXPECT_EQ(NB_cancel(ticket), QUILLON_RESULT_OK);
  NB_checkTicket(ticket, &progress, nullptr, &result);
  EXPECT_EQ(progress, 100.0f);
  EXPECT_EQ(result, QUILLON_RESULT_CANCELLED);
  EXPECT_EQ(handle, nullptr);
  NB_destroy(ticket);
}

TEST_F(ConnectedClient, AttributesVendorValuesAndStandardFallbacksReadAsStrings) {
  QuillonSessionHandle session{};
  ASSERT_EQ(ATTR_openSession(connection.handle, &session, nullptr), QUILLON_RESULT_OK);
  const struct {
    const char* name;
    const char* value;
  } cases[] = {
      {"KTFinisher", "Finisher6"},
      {"printer-state", "3"},            // an enum, in decimal
      {"vidInputNumOfTrays", "3"},       // the vendor value wins over the two standard trays
      {"vidInput1Name", "Tray 1"},       // vendor
      {"vidInput2Name", "Manual"},       // from printer-input-tray
      {"vidInput1MaxCapacity", "250"},   //
      {"vidInput1CurrentLevel", "100"},  //
      {"vidInput3Name", "(none)"},       // no third tray anywhere
      {"vidMarkerColorantNumOfColorants", "2"},
      {"vidMarkerColorant2Value", "Black"},
      {"vidMarkerSupply2MaxCapacity", "90"},
      {"vidMarkerSupply1Level", "40"},
      {"vidMarkerSupply3Level", "(none)"},
      {"KTNoSuchOption", "(none)"},
  };
  for (const auto& c : cases) EXPECT_EQ(FirstValue(session, c.name), c.value) << c.name;
  EXPECT_EQ(ATTR_closeSession(&session, nullptr), QUILLON_RESULT_OK);
  EXPECT_EQ(FirstValue(session, "KTFinisher"), "(none)");
}

// Messages, device names and jobs are read through the session layer in the server client tests.
TEST_F(ConnectedClient, DeviceTraysComeFromTheInputTrayValues) {
  const Trays trays(connection.handle);
  ASSERT_EQ(trays.result, QUILLON_RESULT_OK);
  ASSERT_EQ(trays.count, 2);
  EXPECT_STREQ(trays.list[1]->tray_name, "Manual");
  EXPECT_STREQ(trays.list[1]->tray_alias, "manual");
  EXPECT_STREQ(trays.list[0]->media_alias[0], "iso_a4_210x297mm");
}

TEST_F(ConnectedClient, LocalizationLocalesAndStringsWithAndWithoutContext) {
  char* locale = nullptr;
  ASSERT_EQ(LOCL_getDefaultLocale(connection.handle, &locale, nullptr), QUILLON_RESULT_OK);
  EXPECT_STREQ(locale, "en");
  quillon_free(locale);
  char** list = nullptr;
  int32_t count = 0;
  ASSERT_EQ(LOCL_getEncodings(connection.handle, &list, &count, nullptr), QUILLON_RESULT_OK);
  EXPECT_EQ(StringList(list, count), (std::vector<std::string>{"us-ascii", "utf-8"}));

  QuillonSessionHandle session{};
  ASSERT_EQ(LOCL_openSession(connection.handle, 0, "en", "", &session, nullptr), QUILLON_RESULT_OK);
  const struct {
    const char* context;
    const char* key;
    const char* text;
  } cases[] = {
      {"KTFinisher", "Finisher6", "Finisher 6"},
      {nullptr, "Finisher6", "(none)"},
      {nullptr, "Tray 1", "First tray"},
      {"vidInput1Name", "Tray 1", "First tray"},  // no such context entry: the plain key
      {nullptr, "Unknown", "(none)"},
  };
  for (const auto& c : cases) {
    char* text = nullptr;
    const QuillonResult result =
        LOCL_getStringWithContext(&session, c.context, c.key, &text, nullptr);
    EXPECT_EQ(result == QUILLON_RESULT_OK ? std::string(text) : "(none)", c.text) << c.key;
    quillon_free(text);
  }
  EXPECT_EQ(LOCL_cacheStrings(&session, nullptr), QUILLON_RESULT_OK);
  EXPECT_EQ(LOCL_closeSession(&session, nullptr), QUILLON_RESULT_OK);
}

// Features and the colour keywords' values and defaults are read through the session layer in the
// server client tests; the profile look-ups only here.
TEST_F(ConnectedClient, ColourProfilesAndDeviceLinks) {
  QuillonSessionHandle profiles{};
  ASSERT_EQ(COLR_openSession(connection.handle, "CorvelQ", "CSET", "GUEST", "en_US", "MacWrenfold",
                             "", &profiles, nullptr),
            QUILLON_RESULT_OK);
  char* id = nullptr;
  ASSERT_EQ(ICCM_mapDescriptionToProfile(&profiles, "Press", &id, nullptr), QUILLON_RESULT_OK);
  EXPECT_STREQ(id, "p2");
  quillon_free(id);
  EXPECT_NE(ICCM_mapDescriptionToProfile(&profiles, "Unknown", &id, nullptr), QUILLON_RESULT_OK);
  char* link = nullptr;
  ASSERT_EQ(ICCM_doesDeviceLinkProfileExist(&profiles, "p1", "p2", 2147483647, &link, nullptr),
            QUILLON_RESULT_OK);
  EXPECT_STREQ(link, "sRGB to Press");
  quillon_free(link);
  EXPECT_NE(ICCM_doesDeviceLinkProfileExist(&profiles, "p2", "p1", 2147483647, &link, nullptr),
            QUILLON_RESULT_OK);
  COLR_closeSession(&profiles, nullptr);
}

// Huge counts, values of the wrong type, a tray without fields and a strings file that does not
// parse or whose chunked body the server never ends: every read answers, the strings session
// opens without strings (once the file's own bound passes; a hang would end in the test's
// time-out).
TEST(ClientHostile, HugeCountsWrongTypesAndBrokenStringsGiveFallbacks) {
  const std::pair<const char*, const char*> kStringsAndLocales[] = {
      {"this is not a strings file\n\"unterminated = \"x\n", "en_US"}, {"", "en"}};
  for (const auto& [strings, locale] : kStringsAndLocales) {
    IppServer server(R"(ATTR integer vidInputNumOfTrays 2147483647
ATTR integer corvel-features 7
ATTR keyword marker-names cyan
ATTR text marker-levels "lots"
ATTR octetString printer-input-tray "garbage-without-fields"
ATTR text printer-make-and-model "X"
)",
                     strings);
    ASSERT_TRUE(server.Running());
    Connection connection(server.Address());
    QuillonSessionHandle session{};
    ASSERT_EQ(ATTR_openSession(connection.handle, &session, nullptr), QUILLON_RESULT_OK);
    EXPECT_EQ(FirstValue(session, "vidInputNumOfTrays"), "2147483647");
    EXPECT_EQ(FirstValue(session, "vidMarkerSupply1Level"), "lots");
    EXPECT_EQ(FirstValue(session, "vidInput1Name"), "(none)");
    ATTR_closeSession(&session, nullptr);
    char** names = nullptr;
    char** values = nullptr;
    int32_t count = 0;
    ASSERT_EQ(FEAT_getFeatureList(connection.handle, &names, &values, &count, nullptr),
              QUILLON_RESULT_OK);
    EXPECT_EQ(StringList(names, count), std::vector<std::string>{"7"});
    quillon_free(values);
    QuillonSessionHandle texts{};
    ASSERT_EQ(LOCL_openSession(connection.handle, 0, locale, "", &texts, nullptr),
              QUILLON_RESULT_OK);
    char* text = nullptr;
    EXPECT_EQ(LOCL_getStringWithContext(&texts, nullptr, "unterminated", &text, nullptr),
              QUILLON_RESULT_NOT_FOUND);
    LOCL_closeSession(&texts, nullptr);
  }
}

// An octet string ends at its first NUL: a tray whose name is only bytes behind a NUL has no
// name of its own and is called by its source, not handed out with an empty name.
TEST(ClientHostile, ATrayValueEndsAtItsFirstNul) {
  LoopbackPrinter server(Always(corveltest::HttpPrinterAnswer([](ipp_t* answer) {
    ippAddString(answer, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "media-source-supported", nullptr,
                 "tray-1");
    const char tray[] = "name=\0hidden;";
    ippAddOctetString(answer, IPP_TAG_PRINTER, "printer-input-tray", tray, sizeof tray - 1);
  })));
  Connection connection(server.Address());
  const Trays trays(connection.handle);
  ASSERT_EQ(trays.result, QUILLON_RESULT_OK);
  ASSERT_EQ(trays.count, 1);
  EXPECT_STREQ(trays.list[0]->tray_name, "tray-1");
}

TEST(ClientHostile, AnAnswerThatBreaksOffFailsTheConnect) {
  const std::string ippStart("\x02\x00\x00\x00\x00\x00\x00\x01\x01\x47", 10);
  for (const std::string& body : {ippStart, std::string()}) {
    LoopbackPrinter server(
        Always("HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n"
               "Content-Length: 100000\r\n\r\n" +
               body));
    Connection connection(server.Address());
    EXPECT_NE(connection.result, QUILLON_RESULT_OK);
    EXPECT_EQ(connection.handle, nullptr);
  }
}

// A printer that is slow on purpose and would answer in a few seconds: it stalls before the
// connect's answer, or sends a header line every 50 ms before the answer to a request or to the
// strings file's fetch. Each request ends with the time-out (1 s) instead of waiting for it.
TEST(ClientHostile, ASlowPrinterIsGivenUpAtTheDeadline) {
  enum class Slow { Connect, Answer, StringsFile };
  const std::string answer = corveltest::HttpPrinterAnswer([](ipp_t* printer) {
    ippAddString(printer, IPP_TAG_PRINTER, IPP_TAG_URI, "printer-strings-uri", nullptr,
                 "http://localhost/en.strings");
  });
  const std::string strings = "\"Tray 1\" = \"Top\";\n";
  const std::string file =
      "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(strings.size()) + "\r\n\r\n" + strings;
  for (const Slow slow : {Slow::Connect, Slow::Answer, Slow::StringsFile}) {
    LoopbackPrinter printer(
        [&](LoopbackPrinter& peer, int client, int number, const std::string& request) {
          const bool fetch = request.starts_with("GET");
          const std::string& whole = fetch ? file : answer;
          if (slow == Slow::Connect && number == 0) {
            if (peer.Pause(3s)) peer.Send(client, whole);
          } else if ((slow == Slow::Answer && number > 0 && !fetch) ||
                     (slow == Slow::StringsFile && fetch)) {
            const std::size_t statusLine = whole.find('\n') + 1;
            if (peer.TrickleHeaderLines(client, 60, 50ms))
              peer.Send(client, whole.substr(statusLine));
          } else {
            peer.Send(client, whole);
          }
        });
    Connection connection(printer.Address(), slow == Slow::Connect ? 1 : 5);
    if (slow == Slow::Connect) {
      EXPECT_EQ(connection.result, QUILLON_RESULT_TIMED_OUT);
      continue;
    }
    ASSERT_EQ(connection.result, QUILLON_RESULT_OK);
    ASSERT_EQ(INIT_setTimeout(connection.handle, 1, nullptr), QUILLON_RESULT_OK);
    if (slow == Slow::Answer) {
      char* message = nullptr;
      EXPECT_EQ(DEV_getMessages(connection.handle, 0, &message, nullptr, nullptr),
                QUILLON_RESULT_TIMED_OUT);
      quillon_free(message);
      continue;
    }
    QuillonSessionHandle session{};
    ASSERT_EQ(LOCL_openSession(connection.handle, 0, "en", "", &session, nullptr),
              QUILLON_RESULT_OK);
    EXPECT_EQ(LOCL_cacheStrings(&session, nullptr), QUILLON_RESULT_TIMED_OUT);
    LOCL_closeSession(&session, nullptr);
  }
}

}  // namespace
