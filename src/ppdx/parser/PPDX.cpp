#include "ppdx/parser/PPDX.h"

#include <algorithm>
#include <cstring>

#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrorObj.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/text/TextConverter.h"

PPDX::PPDX() : mErrors(std::make_unique<PPDXErrors>()) {}

PPDX::PPDX(std::unique_ptr<PPDFile> file)
    : mFile(std::move(file)), mErrors(std::make_unique<PPDXErrors>()) {}

PPDX::~PPDX() = default;

void PPDX::Retain() { ++mInstanceCount; }

void PPDX::Release() {
  if (--mInstanceCount <= 0) delete this;
}

void PPDX::IncludeOrphans() {
  SetDisplayOptions(static_cast<_DISPLAY_OPTIONS_>(CurrentDisplayOptions() | SO_SHOW_ORPHANS));
}

void PPDX::IncludeHidden() {
  SetDisplayOptions(static_cast<_DISPLAY_OPTIONS_>(CurrentDisplayOptions() | SO_SHOW_HIDDEN));
}

uint32_t PPDX::GetStringTextEncoding() const {
  return mTextConverter ? mTextConverter->GetOutputEncoding() : 0;
}

void PPDX::SetBufferStream(PPDFileStream* stream) {
  mBufferStream = stream;
  mStreamEnded = false;
  mHasPeekedLine = false;
}

bool PPDX::NextFileLine(char* line) {
  if (mHasPeekedLine) {
    std::memcpy(line, mPeekedLine.c_str(), mPeekedLine.size() + 1);
    mHasPeekedLine = false;
    return true;
  }
  if (mStreamEnded || mBufferStream == nullptr) return false;
  if (mBufferStream->GetLine(line)) return true;
  mStreamEnded = true;
  if (mBufferStream->EndOfFile()) return line[0] != '\0';  // a last line without a line end
  // A line cut at 255 bytes, at a 0xFF or NUL byte or by a failed read leaves data behind: the
  // rest of the file is lost, so the model is incomplete and must not pass as valid.
  const std::string start(line, std::min<size_t>(std::strlen(line), 60));
  mErrors->Add(new PPDXErrorObj(PPDErr_FileError, start.c_str(), true));
  return false;
}

const char* PPDX::PeekFileLine() {
  if (!mHasPeekedLine) {
    char line[kLineSizeLimit];
    if (!NextFileLine(line)) return nullptr;
    mPeekedLine = line;
    mHasPeekedLine = true;
  }
  return mPeekedLine.c_str();
}
