// The standard PPD keywords the library keeps, validity, identity and the error list.
#include <cstring>

#include "ppdx/parser/PPDX.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/text/TextConverter.h"

void PPDX::ParsePSKeywords(PPDStream& line, const char* keyword) {
  // Most lines of a PPD are keywords the library does not keep: screen them by their first letter.
  if (keyword[0] != '*' || std::strchr("PFML", keyword[1]) == nullptr || keyword[1] == '\0') return;
  CString* quoted = nullptr;
  if (std::strcmp(keyword, "*PCFileName") == 0)
    quoted = &mPCFileName;
  else if (std::strcmp(keyword, "*FormatVersion") == 0)
    quoted = &mFormatVersion;
  else if (std::strcmp(keyword, "*FileVersion") == 0)
    quoted = &mFileVersion;
  else if (std::strcmp(keyword, "*ModelName") == 0)
    quoted = &mModelName;
  if (quoted != nullptr) {
    char value[kLineSizeLimit] = "";
    GetQuotedString(line, value, kLineSizeLimit);
    *quoted = value;
    return;
  }

  CString* language = nullptr;
  if (std::strcmp(keyword, "*LanguageVersion") == 0)
    language = &mLanguageVersion;
  else if (std::strcmp(keyword, "*LanguageEncoding") == 0)
    language = &mLanguageEncoding;
  if (language == nullptr) return;
  char value[kLineSizeLimit] = "";
  NextToken(line, value, kEndofLineDelimiters, true);
  *language = value;
  if (!mLanguageVersion.Empty() && !mLanguageEncoding.Empty())
    mTextConverter = std::make_unique<TextConverter>(this);
}

bool PPDX::IsValidPPD() const {
  if (!mValidPPDFile) return false;
  if (!mErrors) return true;
  if (mAllErrorsFatal) return mErrors->Empty();
  for (long i = 0; i < mErrors->Count(); ++i)
    if ((*mErrors)[i].IsFatal()) return false;
  return true;
}

bool PPDX::operator==(const PPDX& other) const {
  if (!mFile || !other.mFile) return false;
  FSSpec mine, theirs;
  if (mFile->getFileInfo(&mine) != noErr || other.mFile->getFileInfo(&theirs) != noErr)
    return false;
  return mine.SameTriple(theirs) && mPCFileName == other.mPCFileName;
}

bool PPDX::GetFileSpec(FSSpec& spec) const {
  if (!mFile) return false;
  return mFile->getFileInfo(&spec) == noErr;
}
