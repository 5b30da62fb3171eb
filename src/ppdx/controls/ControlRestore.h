#pragma once
// Rebuilds a saved control of the kind its class marker names.
#include "ppdx/controls/ControlTypes.h"

class PPDXControl;
class Settings;

// The kind of the control saved under id, from its class marker; ctNone when the item under id
// is no saved control.
CNTL_TYPE SavedControlType(Settings& settings, const long& id);
// A new control owned by the caller, or null when the item under id is no saved control.
PPDXControl* RestoreControl(Settings& settings, const long& id);
