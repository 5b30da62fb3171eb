#pragma once
// Makes a resource map current for a scope and restores the one that was current before, on
// every way out.
#include "platform/ResourceMap.h"

class ScopedResFile {
 public:
  explicit ScopedResFile(ResFileRefNum refNum) : mSaved(CurResFile()) { UseResFile(refNum); }
  ~ScopedResFile() { UseResFile(mSaved); }
  ScopedResFile(const ScopedResFile&) = delete;
  ScopedResFile& operator=(const ScopedResFile&) = delete;

 private:
  ResFileRefNum mSaved;
};
