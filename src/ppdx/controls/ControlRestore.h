#pragma once
// Rebuilds a saved control of the kind its class marker names.
class PPDXControl;
class Settings;

// A new control owned by the caller, or null when the item under id is no saved control.
PPDXControl* RestoreControl(Settings& settings, const long& id);
