// The per-printer preference store: both directions through the file on disk, the Secure Access
// exclusions, the scrambled password and the narrowing of stored numbers.
#include "options/OptionsTestSupport.h"
#include "options/store/PStringFields.h"
#include "platform/Preferences.h"

namespace {

class PreferencesStore : public ControllerTest {
 protected:
  static const std::string& Domain() { return CModelInfo::GetCorvelPrefName(); }

  // What the domain's file holds, read from the disk.
  PlistValue Stored() {
    PlistValue stored;
    ReadPropertyListFile(PreferencesFileForDomain(Domain()), stored);
    return stored;
  }

  // Stores `values` (as another process would), then fills a new controller from defaults and
  // then from the preferences.
  void Reload(const PlistValue::Dictionary& values, bool secureAccessOn = false) {
    for (const auto& [key, value] : values) CFPreferencesSetAppValue(key, value, Domain());
    CFPreferencesAppSynchronize(Domain());
    Make(secureAccessOn);
    mController->SetCorvelOptionsInUI(All_CorvelOptions, PreferencesOptions);
  }
};

TEST_F(PreferencesStore, ChoicesComeBackFromTheDiskWithThePasswordScrambled) {
  Data().fileHandlingRadioID = 14;
  Data().duplexMenuSelection = 2;
  Data().coverTrayMenuSelection = 3;
  Data().glossPrinting = 2;
  Data().mSyncWithServer = 1;
  SetPStringBytes("Zo\xEB", Data().owner);  // Mac Roman 0xEB: a capital I with circumflex
  SetPStringBytes("secret12", Data().password);
  mController->GetCorvelOptionsFromUI(All_CorvelOptions, nullptr);
  const PlistValue stored = Stored();
  const std::string* scrambled = stored.Find("CorvelInfo_PasswordText")->GetString();
  ASSERT_TRUE(scrambled);
  EXPECT_NE(*scrambled, "secret12");
  char unscrambled[32] = {};
  scrambled->copy(unscrambled, sizeof unscrambled - 1);
  CCorvelOptions::DecryptUserPassword(unscrambled);
  EXPECT_STREQ(unscrambled, "secret12");
  EXPECT_EQ(*stored.Find("CorvelInfo_OwnerText"), PlistValue("Zo\u00CE"));

  Reload({});
  EXPECT_EQ(Data().fileHandlingRadioID, 14);
  EXPECT_EQ(Data().duplexMenuSelection, 2);
  EXPECT_EQ(Data().coverTrayMenuSelection, 3);
  EXPECT_EQ(Data().glossPrinting, 2);
  EXPECT_EQ(Data().mSyncWithServer, 1);
  EXPECT_EQ(PStringBytes(Data().owner), "Zo\xEB");
  EXPECT_EQ(PStringBytes(Data().password), "secret12");
}

// A stored line break would let the owner write a comment line of its own.
TEST_F(PreferencesStore, StoredTextsComeBackWithoutControlCharacters) {
  Reload({{"CorvelInfo_OwnerText", "me\n%%KTVPrintTime: 1"},
          {"CorvelInfo_AccountNumberText", "42\r\f7"},
          {"CorvelInfo_CommentText", "a\tb\x7F"}});
  EXPECT_EQ(PStringBytes(Data().owner), "me%%KTVPrintTime: 1");
  EXPECT_EQ(PStringBytes(Data().acctNumber), "427");
  EXPECT_EQ(PStringBytes(Data().comment), "ab");
}

TEST_F(PreferencesStore, SecureAccessNeitherReadsNorWritesOwnerPasswordAndComment) {
  Make(true);
  SetPStringBytes("owner", Data().owner);
  SetPStringBytes("42", Data().acctNumber);
  mController->SetCorvelPreferences(Info_CorvelOptions);
  const PlistValue stored = Stored();
  for (const char* key :
       {"CorvelInfo_OwnerText", "CorvelInfo_PasswordText", "CorvelInfo_CommentText"})
    EXPECT_FALSE(stored.Find(key)) << key;
  EXPECT_TRUE(stored.Find("CorvelInfo_AccountNumberText"));

  Reload({{"CorvelInfo_OwnerText", "stored"}, {"CorvelInfo_ServerIPAddressText", "10.0.0.5"}},
         true);
  EXPECT_EQ(PStringBytes(Data().owner), "");
  EXPECT_EQ(PStringBytes(Data().acctNumber), "42");
  EXPECT_EQ(PStringBytes(Data().ipAddress), "10.0.0.5");
}

TEST_F(PreferencesStore, StoredValuesAreNarrowedOrRefused) {
  Reload({{"KTDuplex", 65538},                   // low 16 bits: 2
          {"KTCV_Processing", 70000},            // 32 bits kept
          {"KTStapler", "not a number"},         // ill-typed: default stays
          {"CorvelInfo_CommentText", "\u65E5"},  // no Mac Roman form: field stays
          {"CorvelInfo_OwnerText", std::string(300, 'o')},
          {"CorvelInfo_InitialConnectionBoolean", false}});
  EXPECT_EQ(Data().duplexMenuSelection, 2);
  EXPECT_EQ(Data().fileHandlingRadioID, 70000);
  EXPECT_EQ(Data().stapleMenuSelection, 1);
  EXPECT_EQ(Data().comment[0], 0);
  EXPECT_EQ(PStringBytes(Data().owner), std::string(254, 'o'));
  EXPECT_EQ(Data().bInitialConnection, 0);
}

TEST_F(PreferencesStore, OnlyTheStoredKeyChangesItsField) {
  Reload({{"KTDuplex", 2}});
  PMPPDDict stored = TicketOf();
  mController->SetCorvelOptionsInUI(All_CorvelOptions, DefaultOptions);
  PMPPDDict defaults = TicketOf();
  EXPECT_EQ(stored["KTDuplex"], "LongEdge");
  stored.erase("KTDuplex");
  defaults.erase("KTDuplex");
  EXPECT_EQ(stored, defaults);
}

TEST_F(PreferencesStore, AnUnknownSelectorStillSynchronises) {
  CFPreferencesSetAppValue("pending", 1, Domain());
  mController->SetCorvelPreferences(CorvelOptions(9));
  const PlistValue stored = Stored();
  EXPECT_TRUE(stored.Find("pending"));
  EXPECT_FALSE(stored.Find("KTDuplex"));
}

}  // namespace
