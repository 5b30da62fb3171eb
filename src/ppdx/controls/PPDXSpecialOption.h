#pragma once
// A fixed value string the PPD declares for the server; its code is output unwrapped.
#include "ppdx/controls/PPDXControl.h"

inline constexpr OSType kSpecialOptionMarker = FourCC("SpOp");

class PPDXSpecialOption : public PPDXControl {
 public:
  PPDXSpecialOption(const char* keyword, const std::string& name, const PointerList* flags,
                    const char* value, const char* ps, long psLength, const bool& visible);
  PPDXSpecialOption(Settings& settings, const long& id);

  OSStatus Save(Settings& settings, const long& id) override;
  OSStatus Restore(Settings& settings, const long& id) override;
  void ResetToDefaultValue() override { mValueString = ""; }
  std::string GetCurrentControlValueString() override;
  // The value of a special option is fixed: nothing changes and the result is false.
  bool SetCurrentControlWithCFString(const std::string&) override { return false; }

  const char* GetValue() const { return mValueString; }

 private:
  CString mValueString;
};
