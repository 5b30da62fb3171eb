#include "ppdx/model/PPDXProperty.h"

#include "ppdx/settings/SettingsValues.h"

PPDXProperty::PPDXProperty(const char* keyword, const std::string& name, const bool& visible,
                           const bool& showInPrintProp, const bool& showInApp)
    : PPDXElement(keyword, name, visible),
      mShowInPrintProp(showInPrintProp),
      mShowInApp(showInApp) {}

PPDXProperty::PPDXProperty(Settings& settings, const long& id)
    : PPDXElement(settings, id),
      mShowInPrintProp(ReadInt32(settings, kShowInPrintPropTag, id).value_or(1) != 0),
      mShowInApp(ReadInt32(settings, kShowInAppTag, id).value_or(1) != 0) {}

OSStatus PPDXProperty::Save(Settings& settings, const long& id) {
  OSStatus status = PPDXElement::Save(settings, id);
  if (status == noErr) status = SaveClassMarker(settings, id, kPropertyMarker);
  if (status == noErr) status = SaveInt32(settings, kShowInPrintPropTag, id, mShowInPrintProp);
  if (status == noErr) status = SaveInt32(settings, kShowInAppTag, id, mShowInApp);
  return status;
}
