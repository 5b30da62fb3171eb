// The server client against a real IPP printer (ippeveprinter): connecting, the time-out, the
// reconnect, attribute reads, localization, devices with trays and colorants, features, locales
// and colour settings. One printer serves the whole suite.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LibraryCallLog.h"
#include "TestSupport/CapturedLog.h"
#include "TestSupport/IppServer.h"
#include "TestSupport/Loopback.h"
#include "serverclient/Attributes.h"
#include "serverclient/ChromvaleSession.h"
#include "serverclient/Localization.h"
#include "serverclient/ServerFeatures.h"
#include "serverclient/ServerInfo.h"
#include "serverclient/Wrenfold.h"

namespace {

const char* const kAttributes = R"(ATTR text printer-make-and-model "Corvel MTQ-ix"
ATTR keyword media-default iso_a4_210x297mm
ATTR keyword media-supported iso_a4_210x297mm,na_letter_8.5x11in
ATTR keyword media-source-supported tray-1,tray-2
ATTR keyword media-ready iso_a4_210x297mm,na_letter_8.5x11in
ATTR text vidDigitsThenLetters "12abc"
ATTR text vidLeadingLetter "a12"
ATTR integer vidInputNumOfTrays 12
ATTR text vidInput1Name "Tray 1"
ATTR text vidInput2Name "Tray 2"
ATTR text vidInput3Name "Tray 3"
ATTR text vidInput1MediaName "Plain A4"
ATTR text vidInput1MediaType "Plain"
ATTR text vidInput2MediaName ""
ATTR text vidInput3MediaName ""
ATTR text vidMedia3Name "Letter Bond"
ATTR text vidInput4MediaName ""
ATTR integer vidInput1MaxCapacity 100
ATTR integer vidInput1CurrentLevel 150
ATTR integer vidInput2MaxCapacity 500
ATTR integer vidInput2CurrentLevel 20
ATTR integer vidMarkerColorantNumOfColorants 2
ATTR text vidMarkerColorant1Value "Cyan"
ATTR text vidMarkerColorant2Value "Black"
ATTR integer vidMarkerSupply1MaxCapacity 100
ATTR integer vidMarkerSupply1Level 40
ATTR integer vidMarkerSupply2MaxCapacity 200
ATTR integer vidMarkerSupply2Level 250
ATTR text corvel-features "Chromvale=1","Stapler=10"
ATTR keyword corvel-color-keywords Rendering,Gamma
ATTR keyword Rendering-supported photo,graphics
ATTR keyword Gamma-supported g18,g22
ATTR keyword Gamma-default g22
)";

const char* const kStrings = R"("vidInput1Name.Tray 1" = "Upper tray";
"Tray 2" = "Lower tray";
"Rendering" = "Rendering intent";
"Rendering.photo" = "Photographic";
)";

class ServerClientIpp : public testing::Test {
 protected:
  static void SetUpTestSuite() { server = new corveltest::IppServer(kAttributes, kStrings); }
  static void TearDownTestSuite() {
    delete server;
    server = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(server->Running());
    libraryCallLog::Clear();
  }

  // A connection to the suite's printer with its localization session open.
  std::unique_ptr<Wrenfold> Connected(int timeout = 0) {
    auto wrenfold = std::make_unique<Wrenfold>(server->Address().c_str(), timeout);
    EXPECT_TRUE(wrenfold->ConnectToServer(false, false));
    Localization* localization = wrenfold->GetLocalizationObject();
    EXPECT_TRUE(localization && localization->OpenSession(0) == 0);
    return wrenfold;
  }

  static corveltest::IppServer* server;
};

corveltest::IppServer* ServerClientIpp::server = nullptr;

// A non-blocking connect counts as done whatever its result: only a live handle tells that the
// printer answered.
TEST_F(ServerClientIpp, ConnectsBlockingAndNonBlocking) {
  const std::string closed = "127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort());
  for (const bool async : {false, true})
    for (const std::string& address : {server->Address(), closed}) {
      const bool answers = address != closed;
      Wrenfold wrenfold(address.c_str(), 0);
      EXPECT_EQ(wrenfold.ConnectToServer(async, false), answers || async) << address;
      float progress = 0.0f;
      for (int poll = 0; poll < 500 && !wrenfold.IsDone(&progress); ++poll) usleep(10000);
      EXPECT_EQ(INIT_handleIsValid(wrenfold.GetServerHandle(), nullptr) == 0, answers)
          << address << " async " << async;
      if (answers) {
        EXPECT_EQ(wrenfold.GetServerInfoObject()->GetNumberOfDevices(), 1);
      }
    }
}

TEST_F(ServerClientIpp, TimeoutIsAppliedOnceAfterTheConnect) {
  for (const int timeout : {0, 30}) {
    libraryCallLog::Clear();
    Wrenfold wrenfold(server->Address().c_str(), 0);
    EXPECT_EQ(wrenfold.SetServerTimeout(timeout), 0);
    EXPECT_TRUE(libraryCallLog::Calls().empty());
    ASSERT_TRUE(wrenfold.ConnectToServer(false, false));
    const auto& calls = libraryCallLog::Calls();
    ASSERT_EQ(calls.size(), timeout > 0 ? 1u : 0u) << "time-out " << timeout;
    if (timeout > 0) {
      EXPECT_EQ(calls[0].seconds, timeout);
      EXPECT_TRUE(calls[0].connected);
    }
  }
}

// The localization session is opened once and closed once; a reconnect does not leave the old
// connection and its sessions behind.
TEST_F(ServerClientIpp, LocalizationSessionOpensOnceAndAReconnectClosesTheOldConnectionFirst) {
  auto wrenfold = Connected();
  Localization* localization = wrenfold->GetLocalizationObject();
  ASSERT_TRUE(localization->IsSessionOpen());
  EXPECT_EQ(localization->OpenSession(0), 0);
  EXPECT_EQ(localization->SetLocaleAndEncoding(localization->GetCurrentLocale(), nullptr), 0);
  EXPECT_EQ(libraryCallLog::Names(), std::vector<std::string>{"LOCL_openSession"});

  QuillonServerHandle* first = wrenfold->GetServerHandle();
  wrenfold->SetTargetServer(server->Address().c_str());
  libraryCallLog::Clear();
  ASSERT_TRUE(wrenfold->ConnectToServer(false, false));
  EXPECT_EQ(libraryCallLog::Names(),
            (std::vector<std::string>{"LOCL_closeSession", "INIT_disconnectFromServer"}));
  EXPECT_EQ(libraryCallLog::Calls().back().handle, first);
  ASSERT_NE(wrenfold->GetLocalizationObject(), nullptr);
  EXPECT_EQ(wrenfold->GetLocalizationObject()->OpenSession(0), 0);
  libraryCallLog::Clear();
  wrenfold.reset();
  EXPECT_EQ(libraryCallLog::Names(),
            (std::vector<std::string>{"LOCL_closeSession", "INIT_disconnectFromServer"}));
}

TEST_F(ServerClientIpp, AttributesReadAsNumbersAndLocalizedText) {
  auto wrenfold = Connected();
  Attributes attributes(wrenfold.get());
  // A ticket reports completion through its progress only, and then holds the request's result.
  const std::unique_ptr<AsyncTicket> ticket = attributes.OpenSessionAsync();
  float progress = 0.0f;
  for (int poll = 0; poll < 500 && progress < 100.0f; ++poll) {
    EXPECT_FALSE(ticket->IsDone(&progress));
    if (progress < 100.0f) usleep(10000);
  }
  EXPECT_EQ(ticket->GetLastResult(), 0);
  ASSERT_TRUE(attributes.IsSessionOpen());
  const struct {
    const char* name;
    int number;
    std::optional<std::string> text;
    std::optional<std::string> localized;
  } cases[] = {
      {"vidDigitsThenLetters", 12, "12abc", "12abc"},
      {"vidLeadingLetter", 0, "a12", "a12"},
      {"vidNoSuchAttribute", 0, std::nullopt, std::nullopt},
      {"vidInput1Name", 0, "Tray 1", "Upper tray"},  // a context entry
      {"vidInput2Name", 0, "Tray 2", "Lower tray"},  // the plain key
      {"vidInput3Name", 0, "Tray 3", "Tray 3"},      // no translation
  };
  for (const auto& c : cases) {
    EXPECT_EQ(attributes.GetAttributeSingleAsInt(c.name, 0), c.number) << c.name;
    EXPECT_EQ(attributes.GetAttributeSingleAsCFString(c.name, 0, false), c.text) << c.name;
    EXPECT_EQ(attributes.GetAttributeSingleAsCFString(c.name, 0, true), c.localized) << c.name;
  }
  EXPECT_EQ(attributes.CloseSession(), 0);
}

TEST_F(ServerClientIpp, TraysAreCappedAndFallBackColorantsKeepTheServersLevels) {
  auto wrenfold = Connected();
  CapturedLog log;
  ServerDevice* device = wrenfold->GetServerInfoObject()->FetchDeviceInfo(0);
  ASSERT_NE(device, nullptr);
  ASSERT_EQ(device->GetTrayCount(), 10);
  const struct {
    int index;
    const char* name;
    const char* media;
    const char* type;
    int level;
  } trays[] = {
      {0, "Upper tray", "Plain A4", "Plain", 100},             // level 150 cut to the capacity
      {1, "Lower tray", "na_letter_8.5x11in", "unknown", 20},  // the library tray's medium
      {2, "Tray 3", "Letter Bond", "unknown", 0},              // the media attribute
      {3, "unknown", "unknown", "unknown", 0},                 // no library tray 4
      {9, "unknown", "unknown", "unknown", 0},
  };
  for (const auto& c : trays) {
    const TrayInfo* tray = device->GetTrayInfo(c.index);
    EXPECT_EQ(tray->GetTrayName(), c.name) << "tray " << c.index + 1;
    EXPECT_EQ(tray->GetMediaName(), c.media) << "tray " << c.index + 1;
    EXPECT_EQ(tray->GetMediaType(), c.type) << "tray " << c.index + 1;
    EXPECT_EQ(tray->GetCurrentLevel(), c.level) << "tray " << c.index + 1;
  }
  ASSERT_EQ(device->GetColorCount(), 2);
  const struct {
    const char* name;
    int capacity, level;
  } colorants[] = {{"Cyan", 100, 40}, {"Black", 200, 250}};
  for (int i = 0; i < 2; ++i) {
    const DeviceColorInfo* color = device->GetColorInfo(i);
    EXPECT_EQ(color->GetColorName(), colorants[i].name);
    EXPECT_EQ(color->GetMaxCapacity(), colorants[i].capacity) << colorants[i].name;
    EXPECT_EQ(color->GetCurrentLevel(), colorants[i].level) << colorants[i].name;
  }
  // A caller's bad index gets no tray, with the broken condition logged, and the dialog lives on.
  EXPECT_EQ(device->GetTrayInfo(10), nullptr);
  EXPECT_EQ(device->GetColorInfo(-1), nullptr);
  EXPECT_NE(log.text.find("assertion failed: index >= 0"), std::string::npos);
}

// Names, messages and jobs are read on demand; a feature is supported only with the value 1; the
// printer's one language is its default too.
TEST_F(ServerClientIpp, DeviceNamesMessagesJobsFeaturesAndLocales) {
  auto wrenfold = Connected();
  ServerInfo* info = wrenfold->GetServerInfoObject();
  EXPECT_EQ(info->GetNumberOfDevices(), 1);
  EXPECT_EQ(info->GetPrettyNameIndex(0), nullptr) << "before the names are read";
  ASSERT_TRUE(info->GetPrettyNames());
  ASSERT_EQ(info->CountPrettyNames(), 1);
  EXPECT_STREQ(info->GetPrettyNameIndex(0), "Corvel MTQ-ix");
  EXPECT_EQ(info->GetPrettyNameIndex(1), nullptr);
  EXPECT_EQ(info->GetNumberOfJobs(), 0);
  char message[kDeviceMessageSize] = "untouched";
  char reasons[kDeviceMessageSize] = "untouched";
  info->FetchDeviceInfo(0)->GetMessages(message, reasons);
  EXPECT_STREQ(message, "Idle.");  // ippeveprinter's own state message
  EXPECT_STREQ(reasons, "none");

  ServerFeatures* features = wrenfold->GetFeaturesObject();
  EXPECT_FALSE(features->SupportsNamedFeature("Chromvale")) << "before the list is read";
  ASSERT_TRUE(features->GetFeaturesList());
  EXPECT_EQ(features->GetFeatureCount(), 2);
  EXPECT_TRUE(features->SupportsChromvale());
  EXPECT_FALSE(features->SupportsNamedFeature("Stapler"));  // "10"
  EXPECT_FALSE(features->SupportsNamedFeature("Chromval"));

  const std::vector<std::string>* locales = wrenfold->GetLanguages();
  ASSERT_NE(locales, nullptr);
  EXPECT_EQ(*locales, (std::vector<std::string>{"en", "en"}));
}

TEST_F(ServerClientIpp, ColourKeywordsGatherTheirValuesAndDefault) {
  auto wrenfold = Connected();
  ChromvaleSession* colour = wrenfold->GetChromvaleObject("Corvel Test");
  ASSERT_NE(colour, nullptr);
  // The non-blocking open completes through the session's own completion test.
  colour->OpenSessionAsync(nullptr);
  float progress = 0.0f;
  long error = 0;
  for (int poll = 0; poll < 500 && !colour->IsDone(&progress, &error); ++poll) usleep(10000);
  ASSERT_TRUE(colour->IsSessionOpen());
  colour->GetColorSettings();
  const struct {
    const char* keyword;
    const char* localizedName;
    const char* defaultItem;
    std::vector<std::string> shown;
  } cases[] = {
      {"Gamma", "Gamma", "g22", {"g18", "g22"}},
      {"Rendering", "Rendering intent", "", {"Photographic", "graphics"}},
  };
  auto entry = colour->KeywordObjectBegin();
  for (const auto& c : cases) {
    ASSERT_NE(entry, colour->KeywordObjectEnd()) << c.keyword;
    const KeywordContainer& container = *entry++->second;
    EXPECT_STREQ(container.GetKeyword(), c.keyword);
    EXPECT_EQ(container.GetLocalizedName(), c.localizedName) << c.keyword;
    EXPECT_STREQ(container.GetDefaultItem(), c.defaultItem) << c.keyword;
    std::vector<std::string> shown;
    for (auto s = container.FirstSetting(); s != container.EndSetting();
         s = container.NextSetting(s))
      shown.push_back((*s)->GetDisplayName());
    EXPECT_EQ(shown, c.shown) << c.keyword;
  }
  EXPECT_EQ(entry, colour->KeywordObjectEnd());
}

// Huge counts and missing values give the fallbacks, in bounded lists, and a server gone away
// leaves its failure in the session.
TEST(ServerClientBrokenIpp, HugeCountsAndMissingValuesGiveBoundedFallbacks) {
  auto server = std::make_unique<corveltest::IppServer>(R"(ATTR text printer-make-and-model "Broken"
ATTR integer vidInputNumOfTrays 2147483647
ATTR integer vidMarkerColorantNumOfColorants 2147483647
)",
                                                        "");
  ASSERT_TRUE(server->Running());
  Wrenfold wrenfold(server->Address().c_str(), 0);
  ASSERT_TRUE(wrenfold.ConnectToServer(false, false));
  ServerDevice* device = wrenfold.GetServerInfoObject()->FetchDeviceInfo(0);
  ASSERT_NE(device, nullptr);
  ASSERT_EQ(device->GetTrayCount(), 10);
  for (auto tray = device->TrayInfoBegin(); tray != device->TrayInfoEnd(); ++tray) {
    EXPECT_EQ((*tray)->GetTrayName(), "unknown");
    EXPECT_EQ((*tray)->GetMediaName(), "unknown");
    EXPECT_EQ((*tray)->GetCurrentLevel(), 0);
  }
  EXPECT_LT(device->GetColorCount(), 1000);
  for (auto color = device->ColorInfoBegin(); color != device->ColorInfoEnd(); ++color)
    EXPECT_EQ((*color)->GetColorName(), std::nullopt);
  // A server gone before the feature list is read: the count stays unknown and the session
  // keeps the library's failure.
  server.reset();
  ServerFeatures* features = wrenfold.GetFeaturesObject();
  EXPECT_FALSE(features->GetFeaturesList());
  EXPECT_NE(features->GetTransactionError(), 0);
  EXPECT_EQ(features->GetFeatureCount(), -1);
  EXPECT_FALSE(features->SupportsChromvale());
}

}  // namespace
