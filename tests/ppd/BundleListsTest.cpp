// The bundle's list of supported descriptions and its media-types list agree with the PPDs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/PlistValue.h"
#include "platform/PropertyList.h"
#include "ppd/BundledFiles.h"

namespace {

// Reads a property list file; nullopt when the file is missing or not a property list.
std::optional<PlistValue> ReadPlist(const std::string& path) {
  PlistValue value;
  if (ReadPropertyListFile(path, value) != noErr) return std::nullopt;
  return value;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  return text;
}

TEST(BundlePrinterList, NamesEveryBundledPCFileName) {
  auto root = ReadPlist(ppdtest::SourcePath("bundle/Contents/PrinterList.plist"));
  ASSERT_TRUE(root);
  ASSERT_EQ(root->kind(), PlistValue::Kind::Dictionary);
  const PlistValue* list = root->Find("PCFILENAME");
  ASSERT_TRUE(list && list->GetArray());
  std::vector<std::string> names;
  for (const PlistValue& item : *list->GetArray())
    if (const std::string* name = item.GetString()) names.push_back(*name);
  EXPECT_EQ(names.size(), ppdtest::kBundledPPDs.size());

  for (const auto& bundled : ppdtest::kBundledPPDs) {
    auto ppd = ppdtest::OpenBundledPPD(bundled.file);
    ASSERT_NE(ppd, nullptr) << bundled.file;
    ASSERT_NE(ppd->pcfilename, nullptr);
    // The frame compares without regard to case; the extended parser's check is exact.
    EXPECT_NE(std::find(names.begin(), names.end(), ppd->pcfilename), names.end())
        << ppd->pcfilename;
    EXPECT_EQ(Upper(ppd->pcfilename), ppd->pcfilename);
  }
}

// The resource map is every "*.rsrc.plist" under Resources/, language folders included; the media
// list is its resource "MediaTypes" of type "plist", which must be defined exactly once.
class BundleMediaTypes : public testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    const fs::path resources = ppdtest::SourcePath("bundle/Contents/Resources");
    int definitions = 0;
    for (const auto& entry : fs::recursive_directory_iterator(resources)) {
      const std::string name = entry.path().filename().string();
      if (!entry.is_regular_file() || !name.ends_with(".rsrc.plist")) continue;
      auto map = ReadPlist(entry.path().string());
      ASSERT_TRUE(map) << entry.path();
      const PlistValue* plists = map->Find("plist");
      const PlistValue* media = plists ? plists->Find("MediaTypes") : nullptr;
      if (!media) continue;
      ++definitions;
      media_ = *media;
    }
    ASSERT_EQ(definitions, 1);
    ASSERT_EQ(media_.kind(), PlistValue::Kind::Dictionary);
  }
  // The string values of a dictionary by key (other kinds of values are skipped).
  std::map<std::string, std::string> Dict(const char* key) {
    std::map<std::string, std::string> values;
    const PlistValue* dict = media_.Find(key);
    if (const PlistValue::Dictionary* entries = dict ? dict->GetDictionary() : nullptr)
      for (const auto& [entryKey, value] : *entries)
        if (const std::string* text = value.GetString()) values[entryKey] = *text;
    return values;
  }
  PlistValue media_;
};

// Each quality menu named for a media type is an option of both descriptions, and each
// media type listed is a choice of the media-type option.
TEST_F(BundleMediaTypes, NameOptionsAndMediaOfTheBundledPPDs) {
  const auto qualityMenus = Dict("QualityMenu");
  const auto descriptions = Dict("MediaTypeText");
  ASSERT_FALSE(qualityMenus.empty());
  ASSERT_FALSE(descriptions.empty());
  for (const auto& bundled : ppdtest::kBundledPPDs) {
    SCOPED_TRACE(bundled.file);
    auto ppd = ppdtest::OpenBundledPPD(bundled.file);
    ASSERT_NE(ppd, nullptr);
    const auto mediaTypes = ppdtest::ChoiceKeywords(ppdFindOption(ppd.get(), "KTMediaType"));
    auto isMediaType = [&](const std::string& m) {
      return std::find(mediaTypes.begin(), mediaTypes.end(), m) != mediaTypes.end();
    };
    for (const auto& [media, option] : qualityMenus) {
      EXPECT_TRUE(isMediaType(media)) << media;
      const ppd_option_t* quality = ppdFindOption(ppd.get(), option.c_str());
      ASSERT_NE(quality, nullptr) << option;
      EXPECT_EQ(quality->ui, PPD_UI_PICKONE) << option;
      EXPECT_GE(quality->num_choices, 2) << option;
    }
    for (const auto& entry : descriptions) EXPECT_TRUE(isMediaType(entry.first)) << entry.first;
    // The default media type must offer a quality menu: the first pass of the page
    // rules builds it.
    EXPECT_EQ(qualityMenus.count(mediaTypes.front()), 1u);
  }
}

}  // namespace
