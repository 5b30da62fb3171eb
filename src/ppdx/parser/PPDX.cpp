#include "ppdx/parser/PPDX.h"

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

bool PPDX::NextContinuationLine(char* line) {
  return mBufferStream && mBufferStream->GetLine(line);
}
