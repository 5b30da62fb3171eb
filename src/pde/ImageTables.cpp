#include "pde/ImageTables.h"

#include <array>

namespace {

constexpr ResourceNameRec kStapleImages[] = {
    {1, "StapleNone.png"},
    {2, "StapleSingleTopLeft.png"},
    {3, "StapleSingleBottomLeft.png"},
    {4, "StapleSingleTopRight.png"},
    {5, "StapleSingleBottomRight.png"},
    {6, "StapleDoubleTop.png"},
    {7, "StapleDoubleBottom.png"},
    {8, "StapleDoubleLeft.png"},
    {9, "StapleDoubleRight.png"},
};
constexpr ResourceNameRec kStapleLandscapeImages[] = {
    {1, "StapleNone_Landscape.png"},
    {2, "StapleSingleTopLeft_Landscape.png"},
    {3, "StapleSingleBottomLeft_Landscape.png"},
    {4, "StapleSingleTopRight_Landscape.png"},
    {5, "StapleSingleBottomRight_Landscape.png"},
    {6, "StapleDoubleTop_Landscape.png"},
    {7, "StapleDoubleBottom_Landscape.png"},
    {8, "StapleDoubleLeft_Landscape.png"},
    {9, "StapleDoubleRight_Landscape.png"},
};
constexpr ResourceNameRec kPunchImages[] = {
    {0, "Punch_None.png"},        {1, "Punch_2Hole70_Left.png"}, {2, "Punch_2Hole70_Right.png"},
    {3, "Punch_2Hole70_Top.png"}, {4, "Punch_3Hole_Left.png"},   {5, "Punch_3Hole_Right.png"},
    {6, "Punch_3Hole_Top.png"},   {7, "Punch_4Hole_Left.png"},   {8, "Punch_4Hole_Right.png"},
    {9, "Punch_4Hole_Top.png"},
};
constexpr ResourceNameRec kPunchLandscapeImages[] = {
    {0, "Punch_None_Landscape.png"},          {1, "Punch_2Hole70_Left_Landscape.png"},
    {2, "Punch_2Hole70_Right_Landscape.png"}, {3, "Punch_2Hole70_Top_Landscape.png"},
    {4, "Punch_3Hole_Left_Landscape.png"},    {5, "Punch_3Hole_Right_Landscape.png"},
    {6, "Punch_3Hole_Top_Landscape.png"},     {7, "Punch_4Hole_Left_Landscape.png"},
    {8, "Punch_4Hole_Right_Landscape.png"},   {9, "Punch_4Hole_Top_Landscape.png"},
};
constexpr ResourceNameRec kFastenImages[] = {
    {1, "BookletFoldStaple.png"},
    {2, "BookletFold.png"},
};
constexpr ResourceNameRec kFoldImages[] = {
    {1, "Fold_None.png"}, {2, "Fold_Saddle.png"},   {3, "Fold_TriFoldZ.png"},
    {4, "Fold_Z.png"},    {5, "Fold_TriFoldC.png"},
};

template <size_t M>
void Fill(CFBundleRef bundle, std::span<const ResourceNameRec> table,
          std::array<std::filesystem::path, M>& urls) {
  for (const ResourceNameRec& row : table)
    if (row.index >= 0 && size_t(row.index) < M)
      urls[row.index] =
          CFBundleCopyResourceURL(bundle, row.fileName).value_or(std::filesystem::path());
}

}  // namespace

const std::span<const ResourceNameRec> kStapleImageList = kStapleImages;
const std::span<const ResourceNameRec> kStapleLandscapeImageList = kStapleLandscapeImages;
const std::span<const ResourceNameRec> kPunchImageList = kPunchImages;
const std::span<const ResourceNameRec> kPunchLandscapeImageList = kPunchLandscapeImages;
const std::span<const ResourceNameRec> kFastenImageList = kFastenImages;
const std::span<const ResourceNameRec> kFoldImageList = kFoldImages;

void FillImageURLs(CFBundleRef bundle, CCorvelOptions& options) {
  options.mStapleURL[0].clear();
  options.mStapleLandscapeURL[0].clear();
  options.mFastenURL[0].clear();
  options.mFoldURL[0].clear();
  Fill(bundle, kStapleImageList, options.mStapleURL);
  Fill(bundle, kStapleLandscapeImageList, options.mStapleLandscapeURL);
  Fill(bundle, kPunchImageList, options.mPunchURL);
  Fill(bundle, kPunchLandscapeImageList, options.mPunchLandscapeURL);
  Fill(bundle, kFastenImageList, options.mFastenURL);
  Fill(bundle, kFoldImageList, options.mFoldURL);
}
