#include "ppdx/errors/PPDXErrorNames.h"

#include "ppdx/errors/PPDXErrorCodes.h"

const char* PPDXErrorName(short code) {
  switch (code) {
    case PPDErr_OutOfMemory:
      return "PPDErr_OutOfMemory";
    case PPDErr_PropPageParsing:
      return "PPDErr_PropPageParsing";
    case PPDErr_GroupParsing:
      return "PPDErr_GroupParsing";
    case PPDErr_JobNoteParsing:
      return "PPDErr_JobNoteParsing";
    case PPDErr_RangeParsing:
      return "PPDErr_RangeParsing";
    case PPDErr_OpenUIParsing:
      return "PPDErr_OpenUIParsing";
    case PPDErr_BooleanParsing:
      return "PPDErr_BooleanParsing";
    case PPDErr_OpenUIKTVParsing1:
      return "PPDErr_OpenUIKTVParsing1";
    case PPDErr_PopupParsing:
      return "PPDErr_PopupParsing";
    case PPDErr_GroupNameParsing:
      return "PPDErr_GroupNameParsing";
    case PPDErr_ParentParsingNoParent:
      return "PPDErr_ParentParsingNoParent";
    case PPDErr_ParentParsing:
      return "PPDErr_ParentParsing";
    case PPDErr_ControlParsing:
      return "PPDErr_ControlParsing";
    case PPDErr_FileError:
      return "PPDErr_FileError";
    case PPDErr_BadShortcut:
      return "PPDErr_BadShortcut";
    case PPDErr_NoParent:
      return "PPDErr_NoParent";
    case PPDErr_Duplicate:
      return "PPDErr_Duplicate";
    case PPDErr_NoPropertyPages:
      return "PPDErr_NoPropertyPages";
    case PPDErr_NoGroups:
      return "PPDErr_NoGroups";
    case PPDErr_NoControls:
      return "PPDErr_NoControls";
    case PPDErr_NotPPDFile:
      return "PPDErr_NotPPDFile";
    case PPDErr_InvalidParent:
      return "PPDErr_InvalidParent";
    case PPDErr_InvalidOpenUIType:
      return "PPDErr_InvalidOpenUIType";
    case PPDErr_UnsupportedJobNoteFlag:
      return "PPDErr_UnsupportedJobNoteFlag";
    case PPDErr_NoDefaultValueFlag:
      return "PPDErr_NoDefaultValueFlag";
    case PPDErr_OpenUIKTVParsing2:
      return "PPDErr_OpenUIKTVParsing2";
    case PPDErr_NoPostscript:
      return "PPDErr_NoPostscript";
    case PPDErr_BadConstraint:
      return "PPDErr_BadConstraint";
    default:
      return "PPDErr_Unknown";
  }
}
