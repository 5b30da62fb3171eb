#include "ppdx/controls/ControlRestore.h"

#include "ppdx/settings/SettingsValues.h"
#include "ppdx/controls/PPDXBooleanControl.h"
#include "ppdx/controls/PPDXJobNote.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "ppdx/controls/PPDXRangeControl.h"
#include "ppdx/controls/PPDXSpecialOption.h"

PPDXControl* RestoreControl(Settings& settings, const long& id) {
  switch (static_cast<OSType>(ReadInt32(settings, kElementClassTag, id).value_or(0))) {
    case kPopupMarker:
      return new PPDXPopupControl(settings, id);
    case kBooleanMarker:
      return new PPDXBooleanControl(settings, id);
    case kRangeMarker:
      return new PPDXRangeControl(settings, id);
    case kJobNoteMarker:
      return new PPDXJobNote(settings, id);
    case kSpecialOptionMarker:
      return new PPDXSpecialOption(settings, id);
    default:
      return nullptr;
  }
}
