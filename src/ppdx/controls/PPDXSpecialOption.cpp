#include "ppdx/controls/PPDXSpecialOption.h"

#include "ppdx/settings/SettingsValues.h"

PPDXSpecialOption::PPDXSpecialOption(const char* keyword, const std::string& name,
                                     const PointerList* flags, const char* value, const char* ps,
                                     long psLength, const bool& visible)
    : PPDXControl(keyword, name, flags, visible, ctSpecialOption, ps, psLength),
      mValueString(value) {}

PPDXSpecialOption::PPDXSpecialOption(Settings& settings, const long& id)
    : PPDXControl(settings, id, ctSpecialOption),
      mValueString(ReadText(settings, kControlValueTag, id)) {}

OSStatus PPDXSpecialOption::Save(Settings& settings, const long& id) {
  OSStatus status = SaveKind(settings, id, kSpecialOptionMarker);
  return status == noErr ? SaveText(settings, kControlValueTag, id, mValueString) : status;
}

OSStatus PPDXSpecialOption::Restore(Settings& settings, const long& id) {
  mValueString = ReadText(settings, kControlValueTag, id);
  return noErr;
}

std::string PPDXSpecialOption::GetCurrentControlValueString() {
  return mValueString ? std::string(mValueString) : std::string();
}
