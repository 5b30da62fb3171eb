#include "ppdx/constraints/CStringSoup.h"

#include <cstring>

CStringSoup* gConstraintStrings = nullptr;

long CStringSoup::Insert(const char* text) {
  if (text == nullptr) return -1;
  const long existing = Find(text);
  if (existing >= 0) return existing;
  const size_t length = std::strlen(text);
  char* copy = static_cast<char*>(mArena.allocate(length + 1, 1));
  std::memcpy(copy, text, length + 1);
  mStrings.emplace_back(copy, length);
  const long slot = long(mStrings.size()) - 1;
  mIndex.emplace(mStrings.back(), slot);
  return slot;
}

const char* CStringSoup::Find(long slot) const {
  if (slot < 0 || slot >= long(mStrings.size())) return nullptr;
  return mStrings[size_t(slot)].data();
}

long CStringSoup::Find(const char* text) const {
  if (text == nullptr) return -1;
  const auto found = mIndex.find(std::string_view(text));
  return found == mIndex.end() ? -1 : found->second;
}

void CStringSoup::Clear() {
  mIndex.clear();
  mStrings.clear();
  mArena.release();
}
