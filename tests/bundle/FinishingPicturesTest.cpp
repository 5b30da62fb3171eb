// The finishing pictures drawn into the assembled bundle: every name the Output pane asks for is
// there and decodes (with its twice-as-large copy), the landscape set is wider than tall and the
// portrait set taller than wide, and no two pictures of one family look the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/toolkit/Image.h"

namespace {

const std::vector<std::string> kStaples = {
    "StapleNone",           "StapleSingleTopLeft",     "StapleSingleBottomLeft",
    "StapleSingleTopRight", "StapleSingleBottomRight", "StapleDoubleTop",
    "StapleDoubleBottom",   "StapleDoubleLeft",        "StapleDoubleRight"};
const std::vector<std::string> kPunches = {
    "Punch_None",        "Punch_2Hole70_Left", "Punch_2Hole70_Right", "Punch_2Hole70_Top",
    "Punch_3Hole_Left",  "Punch_3Hole_Right",  "Punch_3Hole_Top",     "Punch_4Hole_Left",
    "Punch_4Hole_Right", "Punch_4Hole_Top"};
const std::vector<std::string> kSingleSets = {"BookletFoldStaple", "BookletFold",   "Fold_None",
                                              "Fold_Saddle",       "Fold_TriFoldZ", "Fold_Z",
                                              "Fold_TriFoldC"};

CGImageRef Load(const std::string& name) {
  return CGImageCreateWithPNGFile(
      std::string(CORVEL_BUNDLE_DIR "/Contents/Resources/") + name + ".png", true,
      kCGRenderingIntentDefault);
}

// The copy for displays that scale by 2 decodes at twice the width and height.
void ExpectSharperCopy(const CGImage& image, const std::string& name) {
  const CGImageRef sharper = image.DoubleResolution();
  EXPECT_TRUE(sharper && sharper->Pixels().size() == image.Pixels().size() * 4) << name;
}

// Loads a family, checking that each picture decodes and has its orientation's shape.
std::vector<CGImageRef> LoadFamily(const std::vector<std::string>& names, const char* suffix,
                                   bool landscape) {
  std::vector<CGImageRef> images;
  for (const std::string& base : names) {
    const std::string name = base + suffix;
    CGImageRef image = Load(name);
    EXPECT_NE(image, nullptr) << name;
    if (!image) continue;
    if (landscape)
      EXPECT_GT(image->Width(), image->Height()) << name;
    else
      EXPECT_LT(image->Width(), image->Height()) << name;
    ExpectSharperCopy(*image, name);
    images.push_back(image);
  }
  return images;
}

void ExpectAllDifferent(const std::vector<CGImageRef>& images, const std::string& family) {
  for (size_t i = 0; i < images.size(); ++i)
    for (size_t j = i + 1; j < images.size(); ++j)
      EXPECT_NE(images[i]->Pixels(), images[j]->Pixels()) << family << " " << i << " " << j;
}

TEST(FinishingPicturesTest, StapleAndPunchSetsExistInBothOrientationsAndDiffer) {
  for (const auto* family : {&kStaples, &kPunches}) {
    const auto portrait = LoadFamily(*family, "", false);
    const auto landscape = LoadFamily(*family, "_Landscape", true);
    ASSERT_EQ(portrait.size(), family->size());
    ASSERT_EQ(landscape.size(), family->size());
    ExpectAllDifferent(portrait, family->front());
    ExpectAllDifferent(landscape, family->front() + "_Landscape");
  }
}

TEST(FinishingPicturesTest, BookletAndFoldPicturesExistAndDiffer) {
  std::vector<CGImageRef> images;
  for (const std::string& name : kSingleSets) {
    CGImageRef image = Load(name);
    ASSERT_NE(image, nullptr) << name;
    ExpectSharperCopy(*image, name);
    images.push_back(image);
  }
  ExpectAllDifferent({images.begin(), images.begin() + 2}, "booklet");
  ExpectAllDifferent({images.begin() + 2, images.end()}, "fold");
}

}  // namespace
