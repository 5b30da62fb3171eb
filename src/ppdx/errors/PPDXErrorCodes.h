#pragma once
// Codes of the problems the extended PPD parser records (16-bit, stable: they index the
// bundle's error-description string list).

enum PPDXErrorCode : short {
  PPDErr_OutOfMemory = 1,
  PPDErr_PropPageParsing = 4,
  PPDErr_GroupParsing = 5,
  PPDErr_JobNoteParsing = 6,
  PPDErr_RangeParsing = 7,
  PPDErr_OpenUIParsing = 8,
  PPDErr_BooleanParsing = 9,
  PPDErr_OpenUIKTVParsing1 = 10,
  PPDErr_PopupParsing = 11,
  PPDErr_GroupNameParsing = 12,
  PPDErr_ParentParsingNoParent = 14,
  PPDErr_ParentParsing = 15,
  PPDErr_ControlParsing = 16,
  PPDErr_FileError = 18,
  PPDErr_BadShortcut = 19,
  PPDErr_NoParent = 21,
  PPDErr_Duplicate = 23,
  PPDErr_NoPropertyPages = 25,
  PPDErr_NoGroups = 26,
  PPDErr_NoControls = 27,
  PPDErr_NotPPDFile = 28,
  PPDErr_InvalidParent = 29,
  PPDErr_InvalidOpenUIType = 31,
  PPDErr_UnsupportedJobNoteFlag = 32,
  PPDErr_NoDefaultValueFlag = 33,
  PPDErr_OpenUIKTVParsing2 = 34,
  PPDErr_NoPostscript = 35,
  PPDErr_BadConstraint = 36,
};

// The bundle's string list that holds one description per code (index = code).
inline constexpr short kPPDXErrorStringListID = -8900;
