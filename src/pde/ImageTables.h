#pragma once
// The pictures the Page and Output panes draw: six tables of resource names by index, turned
// into resource files of the bundle in the controller's picture arrays at start-up.
#include <cstdint>
#include <span>

#include "options/CCorvelOptions.h"
#include "platform/Bundle.h"

struct ResourceNameRec {
  int32_t index;
  const char* fileName;
};

extern const std::span<const ResourceNameRec> kStapleImageList;
extern const std::span<const ResourceNameRec> kStapleLandscapeImageList;
extern const std::span<const ResourceNameRec> kPunchImageList;
extern const std::span<const ResourceNameRec> kPunchLandscapeImageList;
extern const std::span<const ResourceNameRec> kFastenImageList;
extern const std::span<const ResourceNameRec> kFoldImageList;

// Empties slot 0 of the staple, staple-landscape, fasten and fold arrays, then fills every array
// from its table (a picture the bundle lacks leaves its slot empty).
void FillImageURLs(CFBundleRef bundle, CCorvelOptions& options);
