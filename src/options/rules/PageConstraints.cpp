// The Page pane's rules: stapling forces face-down, collated output; imposition decides which
// imposition controls apply; the media type chooses the media-quality menu and its description.
#include <string>

#include "options/panes/PaneControlIDs.h"
#include "options/panes/PaneControlStates.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "ui/CUPSHelper.h"

namespace {

constexpr int32_t kFaceUp = 14, kCollate = 15, kImposition = 18, kImpositionType = 19;
constexpr int32_t kSectionSize = 20, kImpositionOrientation = 23, kColumns = 24, kRows = 25;
constexpr int32_t kScaleToFit = 29, kMediaType = 32, kMediaText = 33, kMediaQuality = 35;
constexpr int32_t kStaple = 11;
constexpr int32_t kNoStaple = 1, kLastStaple = 9;
constexpr int32_t kSectionSize4 = 2, kSectionSize16 = 4;

// Stapling turns face-up output off and collation on; leaving stapling restores what was in
// force before the first staple position was chosen. The remembered values are shared by every
// dialog of the process.
void ForceStapledOutputOrder(CCorvelOptions& options) {
  // A missing check box is remembered as its default.
  static int16_t prevFaceUpValue =
      int16_t(MenuValueOr(options.GetCorvelControlValue(kPageSignature, kFaceUp), 0, 1, 0));
  static int16_t prevCollateValue =
      int16_t(MenuValueOr(options.GetCorvelControlValue(kPageSignature, kCollate), 0, 1, 1));
  static int16_t prevStapleValue = kNoStaple;
  const int32_t staple = MenuValueOr(options.GetCorvelControlValue(kOutputSignature, kStaple),
                                     kNoStaple, kLastStaple, kNoStaple);
  if (staple == kNoStaple) {
    if (prevStapleValue != kNoStaple) {
      options.SetCorvelControlValue(kPageSignature, kFaceUp, prevFaceUpValue);
      options.SetCorvelControlValue(kPageSignature, kCollate, prevCollateValue);
    }
  } else if (staple != prevStapleValue) {
    if (prevStapleValue == kNoStaple) {
      prevFaceUpValue = int16_t(options.GetCorvelControlValue(kPageSignature, kFaceUp));
      prevCollateValue = int16_t(options.GetCorvelControlValue(kPageSignature, kCollate));
    }
    options.SetCorvelControlValue(kPageSignature, kFaceUp, 0);
    options.SetCorvelControlValue(kPageSignature, kCollate, 1);
  }
  prevStapleValue = int16_t(staple);
}

// The section size applies to imposition types 1 and 2; type 2 cannot make sections of 4.
void ApplyImpositionType(CCorvelOptions& options, int32_t type) {
  const bool sections = type == 1 || type == 2;
  SetPaneControlEnabled(options, kPageSignature, kSectionSize, sections);
  if (sections)
    SetPaneMenuItemEnabled(options, kPageSignature, kSectionSize, kSectionSize4, type == 1);
  if (type == 2 && options.GetCorvelControlValue(kPageSignature, kSectionSize) == kSectionSize4)
    options.SetCorvelControlValue(kPageSignature, kSectionSize, kSectionSize16);
  const bool fixedScale = type == 6 || type == 8;
  if (fixedScale) options.SetCorvelControlValue(kPageSignature, kScaleToFit, 0);
  SetPaneControlEnabled(options, kPageSignature, kScaleToFit, !fixedScale);
  // Orientation, columns and rows belong to type 7 alone.
  if (type != 7)
    SetPaneControlEnabled(options, kPageSignature, {kImpositionOrientation, kColumns, kRows},
                          false);
}

void ApplyImposition(CCorvelOptions& options) {
  const bool on = options.GetCorvelControlValue(kPageSignature, kImposition) > 0;
  for (int32_t number = kImpositionType; number <= kRows; ++number)
    SetPaneControlEnabled(options, kPageSignature, number, on);
  if (on)
    ApplyImpositionType(options, options.GetCorvelControlValue(kPageSignature, kImpositionType));
  else
    SetPaneControlEnabled(options, kPageSignature, kScaleToFit, false);
}

// The choice name of KTMediaType at a menu position; empty when there is none.
std::string MediaTypeName(CCorvelOptions& options, int32_t position) {
  if (position < 1 || position > INT16_MAX) return {};
  return CUPSHelper(options.mCupsPPD.get())
      .NamedOptionAndIndexToPPDKey("KTMediaType", short(position));
}

// The string a dictionary of the media-types list holds for a media type; null when none.
const std::string* MediaEntry(const PlistValue* dictionary, const std::string& mediaType) {
  const PlistValue* entry =
      dictionary && !mediaType.empty() ? dictionary->Find(mediaType) : nullptr;
  return entry ? entry->GetString() : nullptr;
}

// Fills page/35 with the quality choices the media type's option lists, or disables it when the
// media type has none; either way the first item is chosen.
void RebuildQualityMenu(CCorvelOptions& options, const std::string* qualityOption) {
  ControlRef popup = options.GetCorvelControl(kPageSignature, kMediaQuality);
  if (!qualityOption) {
    SetControlEnabled(popup, false);
  } else if (MenuRef menu = popup ? GetControlPopupMenuHandle(popup) : nullptr) {
    CUPSHelper(options.mCupsPPD.get()).NamedOptionToMenu(*qualityOption, menu);
    SetControl32BitMaximum(popup, CountMenuItems(menu));
  }
  options.SetCorvelControlValue(kPageSignature, kMediaQuality, 1);
  if (popup) Draw1Control(popup);
}

}  // namespace

void CCorvelOptions::SetPagePaneUIConstraints() {
  ForceStapledOutputOrder(*this);
  ApplyImposition(*this);
  // The menu follows the media type shown, not the one last committed to the record: a shown
  // type the menu was not made for would otherwise keep another type's choices and description.
  const int32_t mediaType = GetCorvelControlValue(kPageSignature, kMediaType);
  if (mediaType == mQualityMenuMediaType && mFirstPageConstraintsDone) return;
  const std::string oldName = MediaTypeName(*this, mQualityMenuMediaType);
  const std::string newName = MediaTypeName(*this, mediaType);
  mQualityMenuMediaType = int16_t(mediaType);
  SetPaneControlEnabled(*this, kPageSignature, kMediaQuality, true);
  if (const PlistValue* menus = mMediaDict ? mMediaDict->Find("QualityMenu") : nullptr) {
    const std::string* oldOption = MediaEntry(menus, oldName);
    const std::string* newOption = MediaEntry(menus, newName);
    const bool sameMenu = oldOption && newOption && *oldOption == *newOption;
    if (!sameMenu || !mFirstPageConstraintsDone) {
      mFirstPageConstraintsDone = true;
      RebuildQualityMenu(*this, newOption);
    }
  }
  const PlistValue* texts = mMediaDict ? mMediaDict->Find("MediaTypeText") : nullptr;
  if (const std::string* text = MediaEntry(texts, newName))
    SetCorvelStaticTextField(kPageSignature, kMediaText, *text, true);
}
