#pragma once
// Kinds of controls, the job-note flag bits and the per-kind counters of a control container.
#include <cstdint>

enum CNTL_TYPE {
  ctNone = 0,
  ctJobNote = 1,
  ctRange = 2,
  ctBoolean = 3,
  ctPopup = 4,
  ctSpecialOption = 5
};

enum JobNoteFlag : uint32_t {
  JNF_Undefined = 0,
  JNF_Alpha = 1,
  JNF_Numeric = 2,
  JNF_Decimal = 4,
  JNF_Required = 8,
  JNF_Remembered = 16,
  JNF_Password = 32,
  JNF_AlwaysDisplay = 64,
  JNF_Resume = 128,
  JNF_Member = 256,
  JNF_OnOfSwitch = 512,
  JNF_LengthReq = 1024,
  JNF_SecPrint = 2048,
  JNF_Command = 4096,
  JNF_Space = 8192,
  JNF_Negative = 16384,
  JNF_Encrypt = 32768,
  JNF_MultiSpace = 65536,
  JNF_MultiComma = 131072,
  JNF_LCD = 262144,
  JNF_Hyphen = 524288,
  JNF_TwoCharFields = 1048576,
  JNF_NoComma = 2097152,
  JNF_MinLength = 4194304,
  JNF_Default = JNF_Alpha | JNF_Numeric | JNF_Decimal | JNF_Space | JNF_Negative,
};

// The flags that restrict which characters a note may hold; none set means any text.
inline constexpr uint32_t kJobNoteCharacterFlags = 0x36007;

// The orphan and hidden state of each control when it was added.
struct CountArray {
  int32_t baseCount = 0;
  int32_t orhanCount = 0;
  int32_t hiddenCount = 0;
  int32_t hiddenOrphanCount = 0;
};
