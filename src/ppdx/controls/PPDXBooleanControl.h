#pragma once
// An on/off option from a Boolean block, with display text and code for each state.
#include "ppdx/controls/PPDXControl.h"

inline constexpr OSType kBooleanMarker = FourCC("Bool");
inline constexpr OSType kBooleanTrueTextTag = FourCC("TTxt");
inline constexpr OSType kBooleanFalseTextTag = FourCC("FTxt");
inline constexpr OSType kBooleanTrueCodeTag = FourCC("TPSd");
inline constexpr OSType kBooleanFalseCodeTag = FourCC("FPSd");

class PPDXBooleanControl : public PPDXControl {
 public:
  PPDXBooleanControl(const char* keyword, const std::string& name, const PointerList* flags,
                     const bool& visible, const char* trueText, const char* truePS,
                     long truePSLength, const char* falseText, const char* falsePS,
                     long falsePSLength, const bool& defaultState);
  PPDXBooleanControl(Settings& settings, const long& id);

  OSStatus Save(Settings& settings, const long& id) override;
  OSStatus Restore(Settings& settings, const long& id) override;
  void ResetToDefaultValue() override { mValue = mDefaultValue; }
  long PostScript(unsigned char* out) override;
  std::string GetCurrentControlValueString() override { return mValue ? "True" : "False"; }
  // True exactly when the text begins with "True", case ignored.
  bool SetCurrentControlWithCFString(const std::string& value) override;

  bool IsTrue() const { return mValue; }
  void SetValue(bool value) { mValue = value; }
  bool DefaultState() const { return mDefaultValue; }
  const char* TrueDisplayText() const { return mTrueDisplayText; }
  const char* FalseDisplayText() const { return mFalseDisplayText; }

 private:
  bool mValue = false;
  bool mDefaultValue = false;
  CString mTrueDisplayText;
  CString mFalseDisplayText;
  std::vector<char> mTruePSData;
  std::vector<char> mFalsePSData;
};
