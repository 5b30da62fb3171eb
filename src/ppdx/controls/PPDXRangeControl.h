#pragma once
// A number between limits; its code receives the value in place of "<keyword>".
#include "ppdx/controls/PPDXControl.h"

inline constexpr OSType kRangeMarker = FourCC("Rang");
inline constexpr OSType kRangeMinimumTag = FourCC("Min ");
inline constexpr OSType kRangeMaximumTag = FourCC("Max ");
inline constexpr OSType kRangeIncrementTag = FourCC("Incr");

class PPDXRangeControl : public PPDXControl {
 public:
  PPDXRangeControl(const char* keyword, const std::string& name, const PointerList* flags,
                   const char* ps, long psLength, int32_t minimum, int32_t maximum,
                   int32_t increment, int32_t defaultValue, const bool& visible);
  PPDXRangeControl(Settings& settings, const long& id);

  OSStatus Save(Settings& settings, const long& id) override;
  OSStatus Restore(Settings& settings, const long& id) override;
  void ResetToDefaultValue() override { SetValue(mDefault); }
  long PostScript(unsigned char* out) override;
  std::string GetCurrentControlValueString() override { return std::to_string(mVal); }
  // Takes the text's integer value as it is, without clamping.
  bool SetCurrentControlWithCFString(const std::string& value) override;

  int32_t GetValue() const { return mVal; }
  // Clamps to the limits, then rounds toward zero to a multiple of the increment (counted from
  // 0). An increment of 0 only clamps.
  void SetValue(int32_t value);
  int32_t MinVal() const { return mMinVal; }
  int32_t MaxVal() const { return mMaxVal; }
  int32_t Increment() const { return mIncrement; }
  int32_t DefaultValue() const { return mDefault; }

 private:
  void DropCachedOutput() { mOutPSData.clear(); }

  int32_t mVal = 0;
  int32_t mMinVal = 0;
  int32_t mMaxVal = 0;
  int32_t mIncrement = 0;
  int32_t mDefault = 0;
  std::vector<char> mOutPSData;  // code with the value filled in; empty until built
};
