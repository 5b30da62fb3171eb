// The finishing pictures of the Output pane: each icon view shows the picture of the chosen
// finishing, from the portrait or the landscape set as the orientation buttons say. A menu value
// outside its pictures shows the first picture of the family (no finishing); a fastening outside
// them shows none, since its first picture is a fastening.
#include "options/CCorvelOptions.h"
#include "options/panes/PaneControlIDs.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/PortDrawing.h"
#include "platform/toolkit/Windows.h"

namespace {

// Punch picture by punch (row 1 to 4) and edge (column 1 Left, 2 Right, 3 Top); column 0 unused.
constexpr int kPunchIconIndex[4][4] = {{0, 0, 0, 0}, {0, 1, 2, 3}, {0, 4, 5, 6}, {0, 7, 8, 9}};

constexpr int32_t kPortraitButton = 20;
constexpr int32_t kLandscapeButton = 21;

// `value` when it lies in first..last, else `fallback`.
int Clamp(int value, int first, int last, int fallback) {
  return value >= first && value <= last ? value : fallback;
}

// Erases the view's bounds in the port being drawn and draws the picture scaled into them.
void DrawIntoView(CGrafPtr port, ControlRef view, const CGImageRef& image) {
  CGContextRef context = nullptr;
  Rect bounds;
  if (!view || GetControlBounds(view, &bounds) != noErr) return;
  if (QDBeginCGContext(port, &context) != noErr) return;
  // Control bounds run top-down; the context's device space runs bottom-up.
  const CGRect rect = CGRectMake(bounds.left, context->Height() - bounds.bottom, RectWidth(bounds),
                                 RectHeight(bounds));
  CGContextClearRect(context, rect);
  if (image) CGContextDrawImage(context, rect, image);
  QDEndCGContext(port, &context);
}

}  // namespace

void CCorvelOptions::DrawStapleIcon(CGrafPtr port) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  const auto& images = d.orientationSelection ? d.stapleLandscapeIconsRefs : d.stapleIconsRefs;
  const CGImageRef& image = images[Clamp(d.stapleMenuSelection, 1, 9, 1)];
  if (d.stapleHIViewRef) HIImageViewSetImage(d.stapleHIViewRef, image);
  DrawIntoView(port, d.stapleViewRef, image);
}

void CCorvelOptions::DrawPunchIcon(CGrafPtr port) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  const int punch = Clamp(d.punchMenuSelection, 1, 4, 1);
  const int edge = Clamp(d.punchPositionMenuSelection, 1, 3, 0);
  const int index = punch == 1 ? 0 : kPunchIconIndex[punch - 1][edge];
  const auto& images = d.orientationSelection ? d.punchLandscapeIconsRefs : d.punchIconsRefs;
  DrawIntoView(port, d.punchViewRef, images[index]);
}

void CCorvelOptions::DrawFastenIcon(CGrafPtr port) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  DrawIntoView(port, d.fastenViewRef, d.fastenIconsRefs[Clamp(d.fastenMenuSelection, 1, 2, 0)]);
}

void CCorvelOptions::DrawFoldIcon(CGrafPtr port) {
  const CorvelOptionsData& d = mCorvelOptionsData;
  DrawIntoView(port, d.foldViewRef, d.foldIconsRefs[Clamp(d.foldingMenuSelection, 1, 5, 1)]);
}

void CCorvelOptions::SetOrientation(int16_t orientation) {
  mCorvelOptionsData.orientationSelection = orientation;
  SetCorvelControlValue(kOutputSignature, kPortraitButton, orientation == 0 ? 1 : 0);
  SetCorvelControlValue(kOutputSignature, kLandscapeButton, orientation == 1 ? 1 : 0);
}
