#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/IndexedStrings.h"
#include "platform/NumberStrings.h"
#include "platform/ResourceMap.h"
#include "platform/TestBundle.h"

namespace {

std::string Pascal(const unsigned char* text) {
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

std::string IndString(int16_t list, int16_t index) {
  unsigned char text[256];
  GetIndString(text, list, index);
  return Pascal(text);
}

// Opens a bundle's map for one test and closes it again.
class OpenedMap {
 public:
  explicit OpenedMap(const TestBundle& bundle) : mBundle(CFBundleCreate(bundle.folder)) {
    refNum = CFBundleOpenBundleResourceMap(mBundle);
  }
  ~OpenedMap() {
    if (refNum != kResFileNotOpened) CFBundleCloseBundleResourceMap(mBundle, refNum);
  }
  ResFileRefNum refNum;

 private:
  CFBundleRef mBundle;
};

class ResourceMaps : public testing::Test {
 protected:
  void SetUp() override {
    first.AddResource("Main.rsrc.plist", "STR#", "231", StringArray({"Corvel Options", "Café"}));
    first.AddResource("Main.rsrc.plist", "STR#", "-8900", StringArray({"", "Missing keyword"}));
    first.AddResource("Zshadow.rsrc.plist", "STR#", "-8900", StringArray({"shadowed", "shadowed"}));
    PlistValue media;
    media.Set("Plain", "Plain paper");
    first.AddResource("Main.rsrc.plist", "plist", "MediaTypes", media);
    first.AddResource("Main.rsrc.plist", "TEXT", "128", PlistValue::Data{1, 2, 3});
    first.AddResource("de.lproj/Texts.rsrc.plist", "STR#", "228", StringArray({"Deutsch"}));
    first.AddResource("en.lproj/Texts.rsrc.plist", "STR#", "228", StringArray({"English"}));
    second.AddResource("Other.rsrc.plist", "STR#", "231", StringArray({"Second bundle"}));
  }

  TemporaryFolder parent;
  TestBundle first{parent.path()};
  TestBundle second{parent.path()};
  ScopedEnvironment language{"LANGUAGE", std::nullopt};
  ScopedEnvironment lang{"LANG", "de_DE.UTF-8"};
};

}  // namespace

TEST_F(ResourceMaps, StringListsAreReadFromTheCurrentMap) {
  ResFileRefNum before = CurResFile();
  OpenedMap map(first);
  ASSERT_NE(map.refNum, kResFileNotOpened);
  EXPECT_EQ(CurResFile(), map.refNum);
  EXPECT_EQ(IndString(231, 1), "Corvel Options");
  EXPECT_EQ(IndString(231, 2), "Caf\x8E") << "handed out in Mac Roman";
  EXPECT_EQ(IndString(-8900, 2), "Missing keyword") << "the file that sorts first wins";
  EXPECT_EQ(IndString(228, 1), "Deutsch") << "the language folder wins";
  EXPECT_EQ(ResError(), noErr);
  EXPECT_EQ(IndString(231, 3), "");
  EXPECT_EQ(ResError(), resNotFound);
  EXPECT_EQ(IndString(231, 0), "");
  EXPECT_EQ(IndString(500, 1), "");
  char text[256];  // the C-string forms
  EXPECT_STREQ(getIndString(text, 231, 1), "Corvel Options");
  EXPECT_EQ(getIndString(text, -8900, 1), nullptr) << "an empty entry";
  EXPECT_STREQ(text, "");
  EXPECT_EQ(getIndString(text, 231, 9), nullptr);

  UseResFile(before);
  EXPECT_EQ(IndString(231, 1), "") << "the system file holds no lists";
}

TEST_F(ResourceMaps, LookupsFollowTheChainOfOpenMaps) {
  OpenedMap lower(first);
  OpenedMap upper(second);
  EXPECT_EQ(IndString(231, 1), "Second bundle");
  EXPECT_EQ(IndString(-8900, 2), "Missing keyword") << "found further down the chain";
  ASSERT_TRUE(GetNamedResource("plist", "MediaTypes"));
  EXPECT_EQ(GetNamedResource("TEXT", "128"), (std::vector<uint8_t>{1, 2, 3}))
      << "data as it stands";
  EXPECT_FALSE(Get1NamedResource("plist", "MediaTypes")) << "only the current map";
  auto bytes = GetNamedResource("plist", "MediaTypes");  // property lists come back as XML
  auto media = PropertyListFromData(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  ASSERT_TRUE(media);
  EXPECT_EQ(*media->Find("Plain")->GetString(), "Plain paper");

  ResFileRefNum saved = CurResFile();
  UseResFile(lower.refNum);
  EXPECT_EQ(IndString(231, 1), "Corvel Options");
  UseResFile(saved);
  EXPECT_EQ(IndString(231, 1), "Second bundle");

  UseResFile(12345);
  EXPECT_EQ(ResError(), resFNotFound);
  EXPECT_EQ(CurResFile(), saved);
}

TEST_F(ResourceMaps, ClosingTheCurrentMapMakesTheEarlierOneCurrent) {
  OpenedMap lower(first);
  CFBundleRef secondBundle = CFBundleCreate(second.folder);
  ResFileRefNum upper = CFBundleOpenBundleResourceMap(secondBundle);
  CFBundleCloseBundleResourceMap(CFBundleCreate(first.folder), upper);
  EXPECT_EQ(ResError(), resFNotFound) << "closed only with its own bundle";
  CFBundleCloseBundleResourceMap(secondBundle, upper);
  EXPECT_EQ(CurResFile(), lower.refNum);
}

TEST_F(ResourceMaps, BundlesWithoutAValidMapDoNotOpen) {
  TestBundle bare(parent.path());
  EXPECT_EQ(CFBundleOpenBundleResourceMap(CFBundleCreate(bare.folder)), kResFileNotOpened);
  EXPECT_EQ(ResError(), resFNotFound);

  std::filesystem::create_directories(bare.Resources() / "AFolder.rsrc.plist");  // read first
  EXPECT_EQ(CFBundleOpenBundleResourceMap(CFBundleCreate(bare.folder)), kResFileNotOpened);
  EXPECT_EQ(ResError(), ioErr);
  std::filesystem::remove(bare.Resources() / "AFolder.rsrc.plist");
  std::ofstream(bare.Resources() / "Broken.rsrc.plist") << "not a property list";
  EXPECT_EQ(CFBundleOpenBundleResourceMap(CFBundleCreate(bare.folder)), kResFileNotOpened);
  EXPECT_EQ(ResError(), kPropertyListMalformedErr);
  EXPECT_EQ(CFBundleOpenBundleResourceMap(nullptr), kResFileNotOpened);
}

TEST(NumberStrings, ConvertBothWaysInThirtyTwoBits) {
  char text[12];
  EXPECT_STREQ(num2String(-2147483647 - 1, text), "-2147483648");
  EXPECT_STREQ(num2String(0, text), "0");
  EXPECT_EQ(string2Number("-123"), -123);
  EXPECT_EQ(string2Number("+77"), 77);
  EXPECT_EQ(string2Number("12ab"), 12);
  EXPECT_EQ(string2Number(""), 0);
  EXPECT_EQ(string2Number(nullptr), 0);
  EXPECT_EQ(string2Number("4294967297"), 1) << "wraps like the platform's conversion";

  unsigned char pascal[12];
  NumToString(2147483647, pascal);
  int32_t back = 0;
  StringToNum(pascal, &back);
  EXPECT_EQ(back, 2147483647);
}
