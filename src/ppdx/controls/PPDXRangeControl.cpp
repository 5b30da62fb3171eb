#include "ppdx/controls/PPDXRangeControl.h"

#include <cstdlib>

#include "ppdx/settings/SettingsCollection.h"
#include "ppdx/settings/SettingsValues.h"

PPDXRangeControl::PPDXRangeControl(const char* keyword, const std::string& name,
                                   const PointerList* flags, const char* ps, long psLength,
                                   int32_t minimum, int32_t maximum, int32_t increment,
                                   int32_t defaultValue, const bool& visible)
    : PPDXControl(keyword, name, flags, visible, ctRange, ps, psLength),
      mVal(defaultValue),
      mMinVal(minimum),
      mMaxVal(maximum),
      mIncrement(increment),
      mDefault(defaultValue) {}

PPDXRangeControl::PPDXRangeControl(Settings& settings, const long& id)
    : PPDXControl(settings, id, ctRange) {
  mMinVal = ReadInt32(settings, kRangeMinimumTag, id).value_or(0);
  mMaxVal = ReadInt32(settings, kRangeMaximumTag, id).value_or(0);
  mIncrement = ReadInt32(settings, kRangeIncrementTag, id).value_or(0);
  mDefault = ReadInt32(settings, kControlDefaultTag, id).value_or(0);
  mVal = ReadInt32(settings, kControlValueTag, id).value_or(mDefault);
}

OSStatus PPDXRangeControl::Save(Settings& settings, const long& id) {
  OSStatus status = SaveKind(settings, id, kRangeMarker);
  if (status == noErr) status = SaveInt32(settings, kControlValueTag, id, mVal);
  if (status == noErr) status = SaveInt32(settings, kRangeMinimumTag, id, mMinVal);
  if (status == noErr) status = SaveInt32(settings, kRangeMaximumTag, id, mMaxVal);
  if (status == noErr) status = SaveInt32(settings, kRangeIncrementTag, id, mIncrement);
  if (status == noErr) status = SaveInt32(settings, kControlDefaultTag, id, mDefault);
  return status;
}

OSStatus PPDXRangeControl::Restore(Settings& settings, const long& id) {
  auto value = ReadInt32(settings, kControlValueTag, id);
  if (!value) return collectionItemNotFoundErr;
  mVal = *value;
  DropCachedOutput();
  return noErr;
}

void PPDXRangeControl::SetValue(int32_t value) {
  if (value < mMinVal) value = mMinVal;
  if (value > mMaxVal) value = mMaxVal;
  int64_t rounded = value;  // 64-bit: the lowest value divided by -1 must not overflow
  if (mIncrement != 0) rounded = rounded / mIncrement * mIncrement;
  mVal = static_cast<int32_t>(rounded);
  DropCachedOutput();
}

bool PPDXRangeControl::SetCurrentControlWithCFString(const std::string& value) {
  mVal = static_cast<int32_t>(std::strtol(value.c_str(), nullptr, 10));
  DropCachedOutput();
  return true;
}

long PPDXRangeControl::PostScript(unsigned char* out) {
  std::string value = std::to_string(mVal);
  if (mOutPSData.empty() && !mPostScriptData.empty())
    Inject(Keyword(), mPostScriptData.data(), PostScriptDataLength(), value.c_str(), mOutPSData);
  long length = mOutPSData.empty() ? 0 : long(mOutPSData.size()) - 1;  // without the NUL
  return GeneratePSOutputData(out, mOutPSData.data(), length, value.c_str(), true);
}
