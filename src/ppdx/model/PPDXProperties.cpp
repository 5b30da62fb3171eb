#include "ppdx/model/PPDXProperties.h"

#include "ppdx/model/PPDXProperty.h"
#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsValues.h"

void PPDXProperties::Add(PPDXProperty* property) {
  if (property) mProperties.Add(property);
}

PPDXProperty* PPDXProperties::Find(const char* keyword, const bool& exact) {
  return FindByKeyword<PPDXProperty>([this] { return First(); }, [this] { return Next(); }, keyword,
                                     exact);
}

OSStatus PPDXProperties::Save(Settings& settings) {
  OSStatus status =
      SaveInt32(settings, kPropertiesTag, kPropertiesCountId, static_cast<int32_t>(Count()));
  long id = kPropertiesTag + 1;
  mProperties.ForEach([&](PPDXProperty* property) {
    if (status == noErr) status = property->Save(settings, id++);
  });
  return status;
}
