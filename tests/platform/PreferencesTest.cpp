#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>

#include <fstream>
#include <vector>

#include "TestSupport/CapturedLog.h"
#include "TestSupport/Programs.h"
#include "platform/FileIO.h"
#include "platform/Preferences.h"
#include "platform/PropertyList.h"
#include "platform/PlatformTestSupport.h"

namespace fs = std::filesystem;

namespace {

class Preferences : public testing::Test {
 protected:
  TemporaryHome home;
  const std::string domain = "com.example.prefs." + std::to_string(getpid()) + "." +
                             testing::UnitTest::GetInstance()->current_test_info()->name();

  PlistValue StoredFile() const {
    PlistValue stored;
    ReadPropertyListFile(home.path() / "Library" / "Preferences" / (domain + ".plist"), stored);
    return stored;
  }
};

pid_t StartPeer(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), PREFERENCES_PEER);
  return corveltest::SpawnProgram(arguments);
}

}  // namespace

TEST_F(Preferences, ValuesReportWhetherTheyExistAndAreValid) {
  CFPreferencesSetAppValue("count", 7, domain);
  CFPreferencesSetAppValue("digits", "42", domain);
  CFPreferencesSetAppValue("word", "seven", domain);
  CFPreferencesSetAppValue("yes", "YES", domain);
  CFPreferencesSetAppValue("flag", false, domain);

  // Per key: the integer and whether it is valid, the boolean and whether it is valid.
  const struct {
    const char* key;
    int integer;
    bool integerValid, boolean, booleanValid;
  } kCases[] = {{"count", 7, true, true, true},   {"digits", 42, true, false, false},
                {"word", 0, false, false, false}, {"absent", 0, false, false, false},
                {"yes", 0, false, true, true},    {"flag", 0, false, false, true}};
  for (const auto& c : kCases) {
    bool valid = !c.integerValid;
    EXPECT_EQ(CFPreferencesGetAppIntegerValue(c.key, domain, &valid), c.integer) << c.key;
    EXPECT_EQ(valid, c.integerValid) << c.key;
    valid = !c.booleanValid;
    EXPECT_EQ(CFPreferencesGetAppBooleanValue(c.key, domain, &valid), c.boolean) << c.key;
    EXPECT_EQ(valid, c.booleanValid) << c.key;
  }
  EXPECT_EQ(CFPreferencesGetAppStringValue("word", domain), "seven");
  EXPECT_FALSE(CFPreferencesGetAppStringValue("count", domain));
}

TEST_F(Preferences, ValuesReachTheDiskOnlyWhenSynchronised) {
  CFPreferencesSetAppValue("owner", "Ann", domain);
  EXPECT_FALSE(fs::exists(PreferencesFileForDomain(domain)));
  ASSERT_TRUE(CFPreferencesAppSynchronize(domain));
  EXPECT_EQ(*StoredFile().Find("owner")->GetString(), "Ann");

  CFPreferencesSetAppValue("owner", std::nullopt, domain);
  EXPECT_FALSE(CFPreferencesCopyAppValue("owner", domain));
  EXPECT_TRUE(StoredFile().Find("owner")) << "removal is not on disk before synchronising";
  ASSERT_TRUE(CFPreferencesAppSynchronize(domain));
  EXPECT_FALSE(StoredFile().Find("owner"));
}

TEST_F(Preferences, ASecondProcessSeesSynchronisedValues) {
  CFPreferencesSetAppValue("KTDuplex", 2, domain);
  ASSERT_TRUE(CFPreferencesAppSynchronize(domain));
  ASSERT_EQ(corveltest::WaitForProgram(StartPeer({domain, "set:comment=from peer", "sync"})), 0);

  EXPECT_FALSE(CFPreferencesCopyAppValue("comment", domain)) << "not reloaded before synchronising";
  ASSERT_TRUE(CFPreferencesAppSynchronize(domain));
  EXPECT_EQ(CFPreferencesGetAppStringValue("comment", domain), "from peer");
  EXPECT_EQ(CFPreferencesGetAppIntegerValue("KTDuplex", domain, nullptr), 2)
      << "the peer kept our key";
}

TEST_F(Preferences, ProcessesSynchronisingTogetherKeepEachOthersKeys) {
  CFPreferencesSetAppValue("mine", "unsynchronised", domain);
  std::vector<pid_t> peers;
  for (const char* peerName : {"a", "b", "c"}) {
    std::vector<std::string> steps{domain};
    for (int i = 0; i < 15; ++i) {
      steps.push_back(std::string("set:") + peerName + std::to_string(i) + "=v");
      steps.push_back("sync");
    }
    peers.push_back(StartPeer(steps));
  }
  for (pid_t peer : peers) EXPECT_EQ(corveltest::WaitForProgram(peer), 0);
  ASSERT_TRUE(CFPreferencesAppSynchronize(domain));

  PlistValue file = StoredFile();
  const PlistValue::Dictionary* stored = file.GetDictionary();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->size(), 46u);
  EXPECT_EQ(*stored->at("mine").GetString(), "unsynchronised");
}

TEST_F(Preferences, DomainNamesCannotLeaveThePreferencesFolder) {
  for (const char* bad : {"../escape", "", "..", "a/b"}) {
    CFPreferencesSetAppValue("key", "value", bad);
    EXPECT_FALSE(CFPreferencesAppSynchronize(bad)) << bad;
    EXPECT_FALSE(CFPreferencesCopyAppValue("key", bad)) << bad;
  }
  EXPECT_FALSE(fs::exists(home.path() / "Library" / "escape.plist"));
}

// The file's mode a fresh file gets: rw-r--r-- less the process's umask.
mode_t NormalFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0644 & ~mask;
}

mode_t ModeOf(const fs::path& file) {
  return mode_t(fs::status(file).permissions() & fs::perms::mask);
}

// An unreadable file used to count as empty and be replaced (keeping its mode), losing every key.
void ExpectUnreadableFileKept(const std::string& domain, const fs::path& file) {
  const auto before = fs::status(file);
  CFPreferencesSetAppValue("fresh", 1, domain);
  EXPECT_LT(SynchronizePreferences(domain), 0);
  EXPECT_EQ(fs::status(file).type(), before.type());
  EXPECT_EQ(fs::status(file).permissions(), before.permissions());
  EXPECT_EQ(CFPreferencesGetAppIntegerValue("fresh", domain, nullptr), 1) << "the change is kept";
}

TEST_F(Preferences, AFolderInPlaceOfTheFileIsNeverReplaced) {
  const fs::path file = PreferencesFileForDomain(domain);
  fs::create_directories(file);
  ExpectUnreadableFileKept(domain, file);
}

TEST_F(Preferences, AFileWithoutReadPermissionIsNeverReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads a mode-0000 file; the folder case covers it";
  const fs::path file = PreferencesFileForDomain(domain);
  WritePlist(file, PlistValue(PlistValue::Dictionary{{"kept", 1}}));
  fs::permissions(file, fs::perms::none);
  ExpectUnreadableFileKept(domain, file);
  fs::permissions(file, fs::perms::owner_read);
  EXPECT_EQ(StoredFile().Find("kept")->GetInteger(), 1);
}

// Replacing the file loses nothing: a file that is not a dictionary list is set aside first. The
// new file has the normal mode, whatever the old one had.
TEST_F(Preferences, ReplacingTheFileKeepsWhatCannotBeParsedAside) {
  const fs::path file = PreferencesFileForDomain(domain), aside = fs::path(file) += ".corrupt";
  fs::create_directories(file.parent_path());
  CapturedLog log;
  const struct {
    const char* contents;
    bool setAside;
  } cases[] = {{"<plist version=\"1.0\"><dict><key>old</key><true/></dict></plist>", false},
               {"<<corrupt", true},
               {"<plist version=\"1.0\"><array/></plist>", true}};
  for (const auto& c : cases) {
    std::ofstream(file) << c.contents;
    fs::permissions(file, fs::perms::owner_read);
    CFPreferencesSetAppValue("fresh", 1, domain);
    ASSERT_EQ(SynchronizePreferences(domain), noErr) << c.contents;
    std::string setAside;
    ReadFileContents(aside, setAside);
    EXPECT_EQ(setAside, c.setAside ? c.contents : "") << c.contents;
    EXPECT_EQ(StoredFile().Find("old") != nullptr, !c.setAside) << c.contents;
    EXPECT_EQ(ModeOf(file), NormalFileMode()) << c.contents;
  }
  EXPECT_NE(log.text.find(".corrupt"), std::string::npos) << log.text;
}
