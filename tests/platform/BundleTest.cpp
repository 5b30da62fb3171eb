#include <gtest/gtest.h>

#include "platform/Bundle.h"
#include "platform/Language.h"
#include "platform/PlugInRegistry.h"
#include "platform/ResourceMap.h"
#include "platform/TestBundle.h"
#include "platform/UUID.h"

namespace fs = std::filesystem;

namespace {

// The type every print-dialog extension's bundle names among its plug-in types.
constexpr CFUUIDRef kPlugInType = CFUUIDGetConstantUUIDWithBytes(
    0xBD, 0xB0, 0x91, 0xF4, 0xE5, 0x7F, 0x11, 0xD3, 0xB5, 0xCC, 0x00, 0x50, 0xE4, 0x60, 0x32, 0x77);
constexpr const char* kPlugInTypeText = "BDB091F4-E57F-11D3-B5CC-0050E4603277";

class Bundles : public testing::Test {
 protected:
  void SetUp() override {
    RegisterBundleFolder(parent.path());
    PlistValue english, german, dialogs;
    english.Set("Enable...", "Enable...");
    english.Set("OnlyEnglish", "english text");
    german.Set("Enable...", "Aktivieren...");
    dialogs.Set("OK", "Okay");
    WritePlist(bundle.Resources() / "en.lproj" / "Localizable.strings", english);
    WritePlist(bundle.Resources() / "de.lproj" / "Localizable.strings", german);
    WritePlist(bundle.Resources() / "en.lproj" / "Dialogs.strings", dialogs);
  }

  TemporaryFolder parent;
  TestBundle bundle{parent.path()};
  ScopedEnvironment language{"LANGUAGE", std::nullopt};
  ScopedEnvironment lang{"LANG", "de_DE.UTF-8"};
};

void Touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

}  // namespace

TEST_F(Bundles, AreFoundByIdentifierInRegisteredFolders) {
  CFBundleRef found = CFBundleGetBundleWithIdentifier(bundle.identifier);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found, CFBundleCreate(bundle.folder)) << "one handle per bundle";
  EXPECT_EQ(*CFBundleGetValueForInfoDictionaryKey(found, "CFBundleName")->GetString(), "Test");
  EXPECT_EQ(CFBundleGetBundleWithIdentifier("com.example.nowhere"), nullptr);
  EXPECT_EQ(CFBundleCreate(parent.path() / "missing.plugin"), nullptr);
}

TEST_F(Bundles, LocalizedStringsFollowTheLanguageAndFallBack) {
  CFBundleRef found = CFBundleGetBundleWithIdentifier(bundle.identifier);
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("Enable...", "", found), "Aktivieren...");
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("OnlyEnglish", "", found), "english text");
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("Unknown key", "", found), "Unknown key");
  EXPECT_EQ(CFBundleCopyLocalizedString(found, "Unknown key", "Default", ""), "Default");
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("OK", "Dialogs", found), "Okay");
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("OK", "Missing", found), "OK");
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("Enable...", "", nullptr), "Enable...");

  ScopedEnvironment english{"LANGUAGE", "en_GB:de"};
  EXPECT_EQ(CFCopyLocalizedStringFromTableInBundle("Enable...", "", found), "Enable...");
}

TEST(Language, ComesFromLanguageThenLangWithEnglishLast) {
  ScopedEnvironment language{"LANGUAGE", "pt_BR:fr"};
  ScopedEnvironment lang{"LANG", "de_DE.UTF-8@euro"};
  EXPECT_EQ(PreferredLanguages(),
            (std::vector<std::string>{"pt_BR", "pt", "fr", "de_DE", "de", "en"}));
  ScopedEnvironment noList{"LANGUAGE", ""};
  ScopedEnvironment posix{"LANG", "C.UTF-8"};
  EXPECT_EQ(PreferredLanguages(), std::vector<std::string>{"en"});
}

TEST_F(Bundles, ResourceFilesAreFoundGlobalFirstThenByLanguage) {
  Touch(bundle.Resources() / "picture.png");
  Touch(bundle.Resources() / "de.lproj" / "help.html");
  Touch(bundle.Resources() / "en.lproj" / "help.html");
  Touch(bundle.Resources() / "images" / "staple.png");
  CFBundleRef found = CFBundleCreate(bundle.folder);

  EXPECT_EQ(CFBundleCopyResourceURL(found, "picture", "png"), bundle.Resources() / "picture.png");
  EXPECT_EQ(CFBundleCopyResourceURL(found, "picture.png"), bundle.Resources() / "picture.png");
  EXPECT_EQ(CFBundleCopyResourceURL(found, "help", "html"),
            bundle.Resources() / "de.lproj" / "help.html");
  EXPECT_EQ(CFBundleCopyResourceURL(found, "staple", "png", "images"),
            bundle.Resources() / "images" / "staple.png");
  EXPECT_FALSE(CFBundleCopyResourceURL(found, "absent", "png"));
  EXPECT_FALSE(CFBundleCopyResourceURL(found, "../Info", "plist"));
  EXPECT_FALSE(CFBundleCopyResourceURL(found, "Info", "plist", ".."));
}

TEST(ProductBundle, NamesItsFactoryAndOpensItsResourceMap) {
  RegisterBundleFolder(fs::path(CORVEL_BUNDLE_DIR).parent_path());
  CFBundleRef product = CFBundleGetBundleWithIdentifier("com.ktv.print.pde.CorvelPDEMTQix");
  ASSERT_NE(product, nullptr);
  const PlistValue* types = CFBundleGetValueForInfoDictionaryKey(product, "CFPlugInTypes");
  ASSERT_TRUE(types);
  const PlistValue* factories = types->Find(kPlugInTypeText);
  ASSERT_TRUE(factories && factories->GetArray() && !factories->GetArray()->empty());
  const std::string factory = *factories->GetArray()->front().GetString();
  ASSERT_TRUE(CFUUIDCreateFromString(factory));
  const PlistValue* function =
      CFBundleGetValueForInfoDictionaryKey(product, "CFPlugInFactories")->Find(factory);
  ASSERT_TRUE(function);
  EXPECT_EQ(*function->GetString(), "CorvelOptionsPluginFactory");

  ResFileRefNum map = CFBundleOpenBundleResourceMap(product);
  EXPECT_NE(map, kResFileNotOpened)
      << "every resource-map file of the bundle must be valid; status " << ResError();
  CFBundleCloseBundleResourceMap(product, map);
}

TEST(UUIDs, TextAndBytesDescribeTheSameValue) {
  for (const char* text : {kPlugInTypeText, "bdb091f4-e57f-11d3-b5cc-0050e4603277"})
    EXPECT_EQ(CFUUIDCreateFromString(text), kPlugInType) << text;
  EXPECT_EQ(CFUUIDCreateFromUUIDBytes(CFUUIDGetUUIDBytes(kPlugInType)), kPlugInType);
  for (const char* bad :
       {"", "BDB091F4-E57F-11D3-B5CC-0050E460327", "BDB091F4-E57F-11D3-B5CC-0050E46032770",
        "BDB091F4xE57F-11D3-B5CC-0050E4603277", "GDB091F4-E57F-11D3-B5CC-0050E4603277"})
    EXPECT_FALSE(CFUUIDCreateFromString(bad)) << bad;
}

TEST(PlugInRegistry, CountsInstancesPerFactory) {
  const CFUUIDRef factory = CFUUIDCreateFromUUIDBytes({1}), other = CFUUIDCreateFromUUIDBytes({2});
  CFPlugInAddInstanceForFactory(factory);
  CFPlugInAddInstanceForFactory(factory);
  CFPlugInAddInstanceForFactory(other);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 2);
  CFPlugInRemoveInstanceForFactory(factory);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 1);
  CFPlugInRemoveInstanceForFactory(factory);
  CFPlugInRemoveInstanceForFactory(factory);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 0) << "never below zero";
  CFPlugInAddInstanceForFactory(factory);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(factory), 1);
  EXPECT_EQ(CFPlugInInstanceCountForFactory(other), 1);
}
