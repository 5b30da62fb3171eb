// The plug-in frame driven as the printing system drives it: the bundle loaded through the host's
// loader, real CUPS queues on a private cupsd, a temporary home for the preferences. What the
// extension leaves in the ticket, the job-comment file and the preferences is what is checked.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <regex>

#include "TestSupport/PrivateCupsd.h"
#include "platform/PlatformTestSupport.h"
#include "platform/PlugInRegistry.h"
#include "platform/Preferences.h"
#include "platform/PropertyList.h"
#include "platform/SystemVersion.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Windows.h"
#include "printsys/PMTicket.h"
#include "printsys/PlugInHost.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBundle = CORVEL_BUNDLE_DIR;
constexpr CFUUIDRef kUnknownUUID = CFUUIDCreateFromUUIDBytes({1});
const std::string kSourcePPD = CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd";

// A copy of the bundled PPD with one main keyword's line replaced.
fs::path VariantPPD(const fs::path& folder, const std::string& name, const std::string& keyword,
                    const std::string& value) {
  std::ifstream in(kSourcePPD);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  text = std::regex_replace(text, std::regex("\\*" + keyword + ": \"[^\"]*\""),
                            "*" + keyword + ": \"" + value + "\"");
  const fs::path file = folder / (name + ".ppd");
  std::ofstream(file) << text;
  return file;
}

class CorvelFrame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sPPDs = new TemporaryFolder;
    sCupsd = new corveltest::PrivateCupsd;
    ASSERT_TRUE(sCupsd->Running()) << "see " << sCupsd->Root() / "log/error_log";
    const fs::path variants = sPPDs->path();
    const struct {
      const char* queue;
      fs::path ppd;
      const char* info;
    } queues[] = {
        {"Corvel", kSourcePPD, "Corvel MTQ-ix"},
        {"CorvelSA", CORVEL_SOURCE_DIR "/ppd/crvmtqsa.ppd", "Corvel MTQ-ix SA"},
        {"Generic", VariantPPD(variants, "generic", "ShortNickName", "Generic Laser"), "Generic"},
        {"Lower", VariantPPD(variants, "lower", "ShortNickName", "corvel MTQ-ix"), "Lower"},
        {"LowerFile", VariantPPD(variants, "lowerfile", "PCFileName", "crvmtqix.ppd"), "LowerFile"},
        {"Unlisted", VariantPPD(variants, "unlisted", "PCFileName", "OTHER.PPD"), "Unlisted"},
        {"Hall", kSourcePPD, "Corvel_Hall.2"},
        {"Hall2", kSourcePPD, "Corvel_Hall_2"},
    };
    for (const auto& q : queues) ASSERT_TRUE(sCupsd->AddQueue(q.queue, q.ppd, q.info)) << q.queue;
  }
  static void TearDownTestSuite() {
    delete sCupsd;
    delete sPPDs;
  }

  void SetUp() override {
    ASSERT_EQ(PMCreateSession(&mSession), noErr);
    for (auto [key, ticket] : {std::pair{kPMPrinterInfoTicketKey, &mInfoTicket},
                               std::pair{kPMPrintSettingsTicketKey, &mSettingsTicket}}) {
      ASSERT_EQ(PMTicketCreate(ticket), noErr);
      PMSessionSetDataInSession(mSession, key, PlistValue(PMTicketHandleNumber(*ticket)));
    }
    ASSERT_EQ(CreateNewWindow(kDocumentWindowClass, {200, 100, 800, 700}, &mWindow), noErr);
    ASSERT_EQ(CreateControl(mWindow, ControlKind::UserPane, {0, 0, 575, 600}, &mPane), noErr);
  }
  void TearDown() override {
    ResetSystemVersion();
    DisposeWindow(mWindow);
    PMTicketRelease(mInfoTicket);
    PMTicketRelease(mSettingsTicket);
    PMRelease(mSession);
    for (const fs::path& file : mCommentFiles) fs::remove(file);
  }

  // Loads the bundle and runs Prologue and Initialize for the printer shown as `printer`.
  std::unique_ptr<DialogExtension> Start(const std::string& printer, OSStatus* status) {
    std::string error;
    auto extension = DialogExtension::Load(kBundle, &error);
    EXPECT_NE(extension, nullptr) << error;
    if (!extension) return nullptr;
    EXPECT_EQ(extension->Prologue(nullptr), noErr);
    PMSessionSetCurrentPrinter(mSession, printer);
    PMPDEFlags flags = 0;
    *status = extension->Initialize(mPane, mSession, &flags);
    if (*status == noErr) {
      EXPECT_EQ(flags, kPMPDENoSummary);
    }
    return extension;
  }

  PMPPDDict& SettingsDict() {
    PMPPDDict* dict = nullptr;
    PMTicketGetPPDDict(mSettingsTicket, 0, 0, &dict);
    return *dict;
  }

  // The job-comment file the ticket names, remembered for removal.
  fs::path CommentFile() {
    std::string path;
    EXPECT_EQ(PMTicketGetCFString(mSettingsTicket, "KTV.PSData.Corvel", &path), noErr);
    EXPECT_EQ(PMTicketGetClientOfKey(mSettingsTicket, "KTV.PSData.Corvel"),
              "com.corvel.printingmanager");
    mCommentFiles.push_back(path);
    return path;
  }

  static corveltest::PrivateCupsd* sCupsd;
  static TemporaryFolder* sPPDs;
  TemporaryHome mHome;
  PMPrintSession mSession = nullptr;
  PMTicketRef mInfoTicket = nullptr;
  PMTicketRef mSettingsTicket = nullptr;
  WindowRef mWindow = nullptr;
  ControlRef mPane = nullptr;
  std::vector<fs::path> mCommentFiles;
};

corveltest::PrivateCupsd* CorvelFrame::sCupsd = nullptr;
TemporaryFolder* CorvelFrame::sPPDs = nullptr;

TEST_F(CorvelFrame, PrologueAnswersThePaneAndTheInterfaceVersion) {
  std::string error;
  auto extension = DialogExtension::Load(kBundle, &error);
  ASSERT_NE(extension, nullptr) << error;
  PDEPrologueAnswer answer;
  ASSERT_EQ(extension->Prologue(&answer), noErr);
  EXPECT_EQ(answer.creator, FourCC("crvX"));
  EXPECT_EQ(answer.userOptionKind, "com.ktv.print.pde.CorvelOptions");
  EXPECT_EQ(answer.title, "Corvel MTQ-ix");
  EXPECT_EQ(answer.maxH, 600u);
  EXPECT_EQ(answer.maxV, 575u);
  PMPlugInAPIVersion version{};
  ASSERT_EQ(extension->GetAPIVersion(&version), noErr);
  EXPECT_EQ(std::vector<uint32_t>({version.buildVersionMajor, version.buildVersionMinor,
                                   version.baseVersionMajor, version.baseVersionMinor}),
            std::vector<uint32_t>({1, 0, 1, 0}));
  PMStringArray titles, values;
  ASSERT_EQ(extension->GetSummaryText(&titles, &values), noErr);
  ASSERT_TRUE(titles && values);
  EXPECT_EQ(titles->front(), " Print Selected Text Only");
  EXPECT_EQ(values->size(), 3u);
  EXPECT_EQ(extension->Terminate(noErr), noErr);
}

TEST_F(CorvelFrame, StartUpFindsTheQueueAndRefusesOtherModelsAndFiles) {
  struct Case {
    const char* printer;
    int32_t minor;
    OSStatus expected;
  } cases[] = {
      {"Corvel MTQ-ix", 6, noErr},
      {"Corvel MTQ-ix SA", 6, noErr},
      {"Generic", 6, errStartupCheckFailed},
      {"Lower", 6, errStartupCheckFailed},
      {"LowerFile", 6, noErr},
      {"Unlisted", 6, errStartupCheckFailed},
      {"Nobody", 6, errStartupCheckFailed},
      {"Corvel Hall.2", 3, noErr},
      {"Corvel Hall.2", 2, noErr},
      {"Corvel Hall.2", 4, errStartupCheckFailed},
  };
  for (const Case& c : cases) {
    SetSystemVersionForTesting(10, c.minor);
    OSStatus status = 1;
    auto extension = Start(c.printer, &status);
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(status, c.expected) << c.printer << " on 10." << c.minor;
    EXPECT_EQ(extension->Terminate(noErr), noErr);
  }
}

TEST_F(CorvelFrame, SessionWithoutPrinterInfoTicketIsRefused) {
  PMSessionRemoveDataFromSession(mSession, kPMPrinterInfoTicketKey);
  OSStatus status = noErr;
  auto extension = Start("Corvel MTQ-ix", &status);
  EXPECT_EQ(status, errStartupCheckFailed);
}

TEST_F(CorvelFrame, SyncCommitsTicketJobCommentsAndPreferences) {
  const std::string domain = "com.ktv.print.pde.CorvelOptions.Corvel";
  CFPreferencesSetAppValue("KTDuplex", PlistValue(2), domain);
  ASSERT_TRUE(CFPreferencesAppSynchronize(domain));
  // The server address comes from the printer list, whose names ignore case.
  WritePlist(mHome.path() / "Library/Preferences/KTV.QuillonPrinter.plist",
             PlistValue(PlistValue::Array{"corvel mtq-ix", "10.1.2.3", true}));
  OSStatus status = 1;
  auto extension = Start("Corvel MTQ-ix", &status);
  ASSERT_EQ(status, noErr);

  ASSERT_EQ(extension->Sync(mSession, 0), noErr);
  PMPPDDict& dict = SettingsDict();
  EXPECT_EQ(dict["KTDuplex"], "LongEdge") << "refilled from the stored preference";
  EXPECT_EQ(dict["KTStapler"], "False");
  EXPECT_EQ(dict["KTCV_Processing"], "PrintDelete");
  const fs::path comments = CommentFile();
  EXPECT_EQ(comments.string().rfind("/tmp/Zanth.temp", 0), 0u) << comments;
  struct stat info {};
  ASSERT_EQ(lstat(comments.c_str(), &info), 0) << comments;
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  PlistValue lines;
  ASSERT_EQ(ReadPropertyListFile(comments, lines), noErr);
  ASSERT_NE(lines.GetArray(), nullptr);
  EXPECT_EQ(lines.GetArray()->size(), 10u) << "five lines of section 30";
  EXPECT_TRUE(fs::exists(PreferencesFileForDomain(domain)));
  EXPECT_TRUE(CFPreferencesCopyAppValue("CorvelInfo_OwnerText", domain)) << "no Secure Access";
  EXPECT_EQ(CFPreferencesGetAppStringValue("CorvelInfo_ServerIPAddressText", domain), "10.1.2.3");

  // A reinitialize value of 2 only hands the ticket over: a new ticket stays empty.
  PMTicketRef fresh = nullptr;
  PMTicketCreate(&fresh);
  PMSessionSetDataInSession(mSession, kPMPrintSettingsTicketKey,
                            PlistValue(PMTicketHandleNumber(fresh)));
  EXPECT_EQ(extension->Sync(mSession, 2), noErr);
  PMPPDDict* freshDict = nullptr;
  PMTicketGetPPDDict(fresh, 0, 0, &freshDict);
  EXPECT_TRUE(freshDict->empty());
  EXPECT_EQ(extension->Sync(mSession, 1), noErr);
  EXPECT_TRUE(freshDict->empty()) << "a refill writes nothing";
  PMTicketRelease(fresh);
  EXPECT_EQ(extension->Sync(nullptr, 0), kPMKeyNotFound);

  // Open slides a window that is not a sheet up to just below 60.
  EXPECT_EQ(extension->Open(), errWindowNotSheet);
  Rect bounds;
  GetWindowBounds(mWindow, &bounds);
  EXPECT_EQ(bounds.top, 63);
  EXPECT_EQ(extension->Close(), noErr);
  EXPECT_EQ(extension->Terminate(noErr), noErr);
}

TEST(CorvelFactory, MakesDialogExtensionsOnlyAndEachQueryANewObject) {
  std::string error;
  auto extension = DialogExtension::Load(kBundle, &error);
  ASSERT_NE(extension, nullptr) << error;
  EXPECT_EQ(CFPlugInInstanceCountForFactory(extension->FactoryID()), 1);
  void* code =
      dlopen((kBundle / "Contents/Linux/CorvelOptions.so").c_str(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(code, nullptr);
  auto factory =
      reinterpret_cast<CFPlugInFactoryFunction>(dlsym(code, "CorvelOptionsPluginFactory"));
  ASSERT_NE(factory, nullptr);
  EXPECT_EQ(factory(nullptr, kUnknownUUID), nullptr) << "another plug-in type";
  EXPECT_EQ(dlsym(code, "Prologue"), nullptr) << "only the factory is exported";
  dlclose(code);

  IUnknownVTbl** unknown = extension->Unknown();
  const REFIID pde = CFUUIDGetUUIDBytes(*CFUUIDCreateFromString(kPMDialogExtensionIntfIDStr));
  void* first = nullptr;
  void* second = nullptr;
  ASSERT_EQ((*unknown)->QueryInterface(unknown, pde, &first), S_OK);
  ASSERT_EQ((*unknown)->QueryInterface(unknown, pde, &second), S_OK);
  ASSERT_NE(first, second);
  auto header = [](void* object) { return reinterpret_cast<PMPlugInHeaderInterface*>(object); };
  PMPlugInHeader& table = static_cast<PlugInIntf*>(first)->vtable->plugInHeader;
  PMPlugInHeaderInterface* released = header(first);
  EXPECT_EQ(table.Release(&released), noErr);
  EXPECT_EQ(released, nullptr);
  PMPlugInAPIVersion version{};
  EXPECT_EQ(static_cast<PlugInIntf*>(second)->vtable->plugInHeader.GetAPIVersion(header(second),
                                                                                 &version),
            noErr);
  EXPECT_EQ(version.buildVersionMajor, 1u);
  released = header(second);
  static_cast<PlugInIntf*>(second)->vtable->plugInHeader.Release(&released);

  void* none = &error;
  EXPECT_EQ((*unknown)->QueryInterface(unknown, CFUUIDGetUUIDBytes(kUnknownUUID), &none),
            E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  void* base = nullptr;
  ASSERT_EQ((*unknown)->QueryInterface(unknown, CFUUIDGetUUIDBytes(kIUnknownUUID), &base), S_OK);
  EXPECT_EQ(base, unknown);
  EXPECT_EQ((*unknown)->Release(unknown), 1u);
  const CFUUIDRef factoryID = extension->FactoryID();
  extension.reset();
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factoryID), 0) << "the last release unregisters";
}

}  // namespace
