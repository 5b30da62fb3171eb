#include "ppdx/errors/PPDXErrors.h"

void PPDXErrors::Add(PPDXErrorObj* error) {
  if (error != nullptr) mErrors.emplace_back(error);
}

PPDXErrorObj* PPDXErrors::First() {
  mCurrent = 0;
  return mErrors.empty() ? nullptr : mErrors.front().get();
}

PPDXErrorObj* PPDXErrors::Next() {
  if (mCurrent >= mErrors.size()) return nullptr;
  ++mCurrent;
  return mCurrent < mErrors.size() ? mErrors[mCurrent].get() : nullptr;
}
