#include "ppdx/controls/PPDXBooleanControl.h"

#include <strings.h>

#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"
#include "ppdx/settings/SettingsCollection.h"
#include "ppdx/settings/SettingsValues.h"

namespace {

std::vector<char> ReadCode(Settings& settings, OSType tag, long id) {
  auto bytes = GetSettingsBytes(settings, tag, id);
  return bytes ? std::vector<char>(bytes->begin(), bytes->end()) : std::vector<char>();
}

OSStatus SaveCode(Settings& settings, OSType tag, long id, const std::vector<char>& code) {
  return code.empty() ? noErr : settings.Add(tag, id, code.data(), long(code.size()));
}

}  // namespace

PPDXBooleanControl::PPDXBooleanControl(const char* keyword, const std::string& name,
                                       const PointerList* flags, const bool& visible,
                                       const char* trueText, const char* truePS, long truePSLength,
                                       const char* falseText, const char* falsePS,
                                       long falsePSLength, const bool& defaultState)
    : PPDXControl(keyword, name, flags, visible, ctBoolean),
      mValue(defaultState),
      mDefaultValue(defaultState),
      mTrueDisplayText(trueText),
      mFalseDisplayText(falseText),
      mTruePSData(CopyCode(truePS, truePSLength)),
      mFalsePSData(CopyCode(falsePS, falsePSLength)) {}

PPDXBooleanControl::PPDXBooleanControl(Settings& settings, const long& id)
    : PPDXControl(settings, id, ctBoolean) {
  mDefaultValue = ReadInt32(settings, kControlDefaultTag, id).value_or(0) != 0;
  mValue = ReadInt32(settings, kControlValueTag, id).value_or(mDefaultValue) != 0;
  mTrueDisplayText = ReadText(settings, kBooleanTrueTextTag, id);
  mFalseDisplayText = ReadText(settings, kBooleanFalseTextTag, id);
  mTruePSData = ReadCode(settings, kBooleanTrueCodeTag, id);
  mFalsePSData = ReadCode(settings, kBooleanFalseCodeTag, id);
}

OSStatus PPDXBooleanControl::Save(Settings& settings, const long& id) {
  OSStatus status = SaveKind(settings, id, kBooleanMarker);
  if (status == noErr) status = SaveInt32(settings, kControlValueTag, id, mValue);
  if (status == noErr) status = SaveInt32(settings, kControlDefaultTag, id, mDefaultValue);
  if (status == noErr) status = SaveText(settings, kBooleanTrueTextTag, id, mTrueDisplayText);
  if (status == noErr) status = SaveText(settings, kBooleanFalseTextTag, id, mFalseDisplayText);
  if (status == noErr) status = SaveCode(settings, kBooleanTrueCodeTag, id, mTruePSData);
  if (status == noErr) status = SaveCode(settings, kBooleanFalseCodeTag, id, mFalsePSData);
  return status;
}

OSStatus PPDXBooleanControl::Restore(Settings& settings, const long& id) {
  auto value = ReadInt32(settings, kControlValueTag, id);
  if (!value) return collectionItemNotFoundErr;
  mValue = *value != 0;
  return noErr;
}

long PPDXBooleanControl::PostScript(unsigned char* out) {
  const std::vector<char>& code = mValue ? mTruePSData : mFalsePSData;
  return GeneratePSOutputData(out, code.data(), long(code.size()), mValue ? "True" : "False", true);
}

bool PPDXBooleanControl::SetCurrentControlWithCFString(const std::string& value) {
  mValue = value.size() >= 4 && strncasecmp(value.c_str(), "True", 4) == 0;
  return true;
}
