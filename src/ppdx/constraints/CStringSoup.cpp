#include "ppdx/constraints/CStringSoup.h"

CStringSoup* gConstraintStrings = nullptr;

long CStringSoup::Insert(const char* text) {
  if (text == nullptr) return -1;
  const long existing = Find(text);
  if (existing >= 0) return existing;
  mStrings.emplace_back(text);
  const long slot = long(mStrings.size()) - 1;
  mIndex.emplace(mStrings.back(), slot);
  return slot;
}

const char* CStringSoup::Find(long slot) const {
  if (slot < 0 || slot >= long(mStrings.size())) return nullptr;
  return mStrings[size_t(slot)].c_str();
}

long CStringSoup::Find(const char* text) const {
  if (text == nullptr) return -1;
  const auto found = mIndex.find(std::string_view(text));
  return found == mIndex.end() ? -1 : found->second;
}

void CStringSoup::Clear() {
  mIndex.clear();
  mStrings.clear();
}
