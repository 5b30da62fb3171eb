#include "ppdx/controls/ControlRestore.h"

#include "ppdx/settings/SettingsValues.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

namespace {

struct KindMarker {
  OSType marker;
  CNTL_TYPE kind;
};
constexpr KindMarker kKindMarkers[] = {
    {kPopupMarker, ctPopup},
    {kBooleanMarker, ctBoolean},
    {kRangeMarker, ctRange},
    {kJobNoteMarker, ctJobNote},
    {kSpecialOptionMarker, ctSpecialOption},
};

}  // namespace

CNTL_TYPE SavedControlType(Settings& settings, const long& id) {
  const auto marker = static_cast<OSType>(ReadInt32(settings, kElementClassTag, id).value_or(0));
  for (const KindMarker& entry : kKindMarkers)
    if (entry.marker == marker) return entry.kind;
  return ctNone;
}

PPDXControl* RestoreControl(Settings& settings, const long& id) {
  switch (SavedControlType(settings, id)) {
    case ctPopup:
      return new PPDXPopupControl(settings, id);
    case ctBoolean:
      return new PPDXBooleanControl(settings, id);
    case ctRange:
      return new PPDXRangeControl(settings, id);
    case ctJobNote:
      return new PPDXJobNote(settings, id);
    case ctSpecialOption:
      return new PPDXSpecialOption(settings, id);
    default:
      return nullptr;
  }
}
