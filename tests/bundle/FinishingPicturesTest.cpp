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
const std::vector<std::string> kBooklets = {"BookletFoldStaple", "BookletFold"};
const std::vector<std::string> kFolds = {"Fold_None", "Fold_Saddle", "Fold_TriFoldZ", "Fold_Z",
                                         "Fold_TriFoldC"};

enum class Shape { Any, Portrait, Landscape };

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
                                   Shape shape) {
  std::vector<CGImageRef> images;
  for (const std::string& base : names) {
    const std::string name = base + suffix;
    CGImageRef image = Load(name);
    EXPECT_NE(image, nullptr) << name;
    if (!image) continue;
    const Shape found = image->Width() > image->Height()   ? Shape::Landscape
                        : image->Width() < image->Height() ? Shape::Portrait
                                                           : Shape::Any;
    EXPECT_TRUE(shape == Shape::Any || found == shape) << name;
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

TEST(FinishingPicturesTest, EveryFamilyIsCompleteAndItsPicturesDiffer) {
  const struct {
    const std::vector<std::string>& names;
    const char* suffix;
    Shape shape;
  } kFamilies[] = {{kStaples, "", Shape::Portrait}, {kStaples, "_Landscape", Shape::Landscape},
                   {kPunches, "", Shape::Portrait}, {kPunches, "_Landscape", Shape::Landscape},
                   {kBooklets, "", Shape::Any},     {kFolds, "", Shape::Any}};
  for (const auto& family : kFamilies) {
    const auto images = LoadFamily(family.names, family.suffix, family.shape);
    ASSERT_EQ(images.size(), family.names.size()) << family.names.front() << family.suffix;
    ExpectAllDifferent(images, family.names.front() + family.suffix);
  }
}

}  // namespace
