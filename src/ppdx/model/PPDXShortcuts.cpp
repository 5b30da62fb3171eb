#include "ppdx/model/PPDXShortcuts.h"

#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsValues.h"
#include "ppdx/controls/PPDXPopupControl.h"
#include "support/PointerList.h"

namespace {
bool IsPopup(PPDXControl* control) { return control && control->Type() == ctPopup; }
}  // namespace

PPDXShortcuts::PPDXShortcuts(const PointerList& controls) {
  for (ConstPointerListItr it = controls.Begin(); it != controls.End(); ++it)
    if (auto* control = static_cast<PPDXControl*>(*it); IsPopup(control)) mShortcuts.Add(control);
}

PPDXPopupControl* PPDXShortcuts::First() {
  return static_cast<PPDXPopupControl*>(mShortcuts.First());
}

PPDXPopupControl* PPDXShortcuts::Next() {
  return static_cast<PPDXPopupControl*>(mShortcuts.Next());
}

PPDXPopupControl* PPDXShortcuts::Find(const char* keyword, const bool& exact) {
  return FindByKeyword<PPDXPopupControl>([this] { return First(); }, [this] { return Next(); },
                                         keyword, exact);
}

OSStatus PPDXShortcuts::Save(Settings& settings) {
  OSStatus status =
      SaveInt32(settings, kShortcutsTag, kShortcutsCountId, static_cast<int32_t>(Count()));
  long id = kShortcutsCountId + 1;
  mShortcuts.ForEach([&](PPDXControl* control) {
    if (status == noErr) status = SaveText(settings, kShortcutsTag, id++, control->Keyword());
  });
  return status;
}
