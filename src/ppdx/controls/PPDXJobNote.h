#pragma once
// Free text for the job (notes, passwords, account numbers) with flags that say what it may hold.
// Without code of its own, its output is a DSC comment line chosen by its flags or keyword.
#include <memory>

#include "ppdx/controls/PPDXControl.h"

class TextConverter;

inline constexpr OSType kJobNoteMarker = FourCC("JbNt");
inline constexpr OSType kJobNoteDefaultTextTag = FourCC("DfNt");
inline constexpr OSType kJobNoteMaxLengthTag = FourCC("MaxL");
inline constexpr OSType kJobNoteMinLengthTag = FourCC("MinL");
inline constexpr OSType kJobNoteFlagsTag = FourCC("NFlg");
inline constexpr OSType kJobNoteOnTag = FourCC("NtOn");
inline constexpr OSType kJobNoteLanguageTag = FourCC("Lang");

inline constexpr size_t kJobNoteOutputLimit = 511;  // notes longer than this are cut for output

class PPDXJobNote : public PPDXControl {
 public:
  // language: the PPD's *LanguageEncoding text, for the shared output converter.
  PPDXJobNote(const char* keyword, const std::string& name, const PointerList* flags,
              const char* ps, long psLength, const char* notes, const char* language,
              const bool& visible, int32_t maxLength, uint32_t noteFlags, int32_t minLength);
  PPDXJobNote(Settings& settings, const long& id);
  ~PPDXJobNote() override;

  bool OkayToDisplay(const _DISPLAY_OPTIONS_& filter) override;
  OSStatus Save(Settings& settings, const long& id) override;
  OSStatus Restore(Settings& settings, const long& id) override;
  void ResetToDefaultValue() override { SetNotes(mDefaultNotes); }
  long PostScript(unsigned char* out) override;
  std::string GetCurrentControlValueString() override;
  bool SetCurrentControlWithCFString(const std::string& value) override;

  const char* GetNotes() const { return mNotes; }
  void SetNotes(const char* text);
  const char* GetDefaultNotes() const { return mDefaultNotes; }
  bool GetNotesOnValue() const { return mJobNoteOn; }
  void SetNotesOnValue(bool on) { mJobNoteOn = on; }
  int32_t MaxLength() const { return mMaxLength; }
  int32_t MinLength() const { return mMinLength; }
  uint32_t NoteFlags() const { return mNoteFlags; }
  // The DSC line used when the note has no code of its own.
  std::string BuildPDLString(const char* notes) const;

  bool IsAlpha() const { return Has(JNF_Alpha); }
  bool IsNumeric() const { return Has(JNF_Numeric); }
  bool IsDecimal() const { return Has(JNF_Decimal); }
  bool IsRequired() const { return Has(JNF_Required); }
  bool Remember() const { return Has(JNF_Remembered); }
  bool IsPassword() const { return Has(JNF_Password); }
  bool AlwaysDisplay() const { return Has(JNF_AlwaysDisplay); }
  bool Resume() const { return Has(JNF_Resume); }
  bool IsMember() const { return Has(JNF_Member); }
  bool IsOnOffSwitch() const { return Has(JNF_OnOfSwitch); }
  bool IsLengthReq() const { return Has(JNF_LengthReq); }
  bool IsSecPrint() const { return Has(JNF_SecPrint); }
  bool IsSpace() const { return Has(JNF_Space); }
  bool IsNegative() const { return Has(JNF_Negative); }
  bool IsEncrypt() const { return Has(JNF_Encrypt); }
  bool IsMultiSpace() const { return Has(JNF_MultiSpace); }
  bool IsMultiComma() const { return Has(JNF_MultiComma); }
  bool IsLCD() const { return Has(JNF_LCD); }
  bool IsHyphen() const { return Has(JNF_Hyphen); }
  bool IsTwoCharFields() const { return Has(JNF_TwoCharFields); }
  bool IsNoComma() const { return Has(JNF_NoComma); }
  bool IsAnyText() const { return (mNoteFlags & kJobNoteCharacterFlags) == 0; }

  // The converter all job notes share, made by the first one from its PPD's language; null
  // while no job note exists.
  static TextConverter* OutputConverter();

 private:
  bool Has(JobNoteFlag flag) const { return (mNoteFlags & flag) != 0; }
  void AttachOutputConverter(const char* language);

  CString mNotes;
  int32_t mMaxLength = 0;
  int32_t mMinLength = 0;
  uint32_t mNoteFlags = JNF_Undefined;
  CString mDefaultNotes;
  bool mJobNoteOn = false;
  CString mLanguage;
  std::vector<char> mOutPSData;  // cached output code; empty until built
};
