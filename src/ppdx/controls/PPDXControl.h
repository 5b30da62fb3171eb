#pragma once
// One user-settable PPD option: its current value, its default and the PostScript code that
// selects the value, produced as a fragment wrapped in DSC feature comments.
#include <cstdint>
#include <string>
#include <vector>

#include "ppdx/model/PPDXElement.h"
#include "ppdx/controls/ControlTypes.h"
#include "support/CString.h"

class PointerList;

// Item tags of a saved control (beside the element's own).
inline constexpr OSType kControlOrderTag = FourCC("Ordr");
inline constexpr OSType kControlFlagsTag = FourCC("Flgs");
inline constexpr OSType kControlCodeTag = FourCC("PSDa");
inline constexpr OSType kControlValueTag = FourCC("Valu");
inline constexpr OSType kControlDefaultTag = FourCC("Dflt");

class PPDXControl : public PPDXElement {
 public:
  // flags: a list of CString* flag words, copied.
  PPDXControl(const char* keyword, const std::string& name, const PointerList* flags,
              const bool& visible, CNTL_TYPE type, const char* code = nullptr, long codeLength = 0);
  PPDXControl(Settings& settings, const long& id, CNTL_TYPE type);
  ~PPDXControl() override;

  virtual void ResetToDefaultValue() = 0;
  // Writes the fragment into out (null: length only) and returns its length. Callers size out
  // by asking with null first.
  virtual long PostScript(unsigned char* out);
  virtual OSStatus Restore(Settings& settings, const long& id) = 0;  // the current value only
  virtual std::string GetCurrentControlValueString() = 0;
  virtual bool SetCurrentControlWithCFString(const std::string& value) = 0;

  CNTL_TYPE Type() const { return mType; }
  short Order() const { return mOrder; }

  long ControlFlagCount() const { return static_cast<long>(mControlFlags.size()); }
  const char* FirstControlFlag();
  const char* NextControlFlag();
  bool FindControlFlag(const char* word) const;
  bool IsCommand() const { return FindControlFlag("Command"); }
  bool IsSpooler() const { return FindControlFlag("Spooler"); }
  bool IsSetup() const { return FindControlFlag("Setup"); }
  bool IsMacFJN() const { return FindControlFlag("MacFJN"); }
  bool IsMacImgShift() const { return FindControlFlag("MacIS"); }

  // "%%BeginFeature: <keyword> <optionText>\n", the code (or one line feed), "%%EndFeature\n";
  // without wrap only the code. Not NUL-terminated; out null: the length only.
  long GeneratePSOutputData(unsigned char* out, const char* code, long length,
                            const char* optionText, bool wrap);
  // Replaces every "<keyword>" in code (ASCII, case ignored) by value. out holds the result
  // followed by a NUL that the returned length does not count.
  static long Inject(const char* keyword, const char* code, long length, const char* value,
                     std::vector<char>& out);
  // False for null and for the keywords reserved for colour and local properties.
  static bool ValidKeyword(const char* keyword);

  long PostScriptDataLength() const { return static_cast<long>(mPostScriptData.size()); }

 protected:
  // The element's items, the kind's class marker, the order, the flags and the code.
  OSStatus SaveKind(Settings& settings, const long& id, OSType marker);

  CNTL_TYPE mType;
  int16_t mOrder = 0;
  std::vector<CString> mControlFlags;
  size_t mCurrentFlag = 0;
  std::vector<char> mPostScriptData;
};

// Byte copy of a code block; empty for a null code or a length of 0 or less.
std::vector<char> CopyCode(const char* code, long length);
