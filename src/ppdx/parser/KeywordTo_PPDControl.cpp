#include "ppdx/parser/KeywordTo_PPDControl.h"

#include <algorithm>
#include <cstring>

void KeywordTo_PPDControl::insert(const char* keyword, PPDXControl* control) {
  if (keyword == nullptr) return;
  mKeyVector.emplace_back(keyword, control);
  mKeywordOf.try_emplace(control, keyword);
  mSorted = false;
}

void KeywordTo_PPDControl::EndInsertion() {
  // Byte order as strcmp compares; stable so that equal keywords keep their insertion order.
  std::stable_sort(mKeyVector.begin(), mKeyVector.end(), [](const Entry& a, const Entry& b) {
    return std::strcmp(a.first.c_str(), b.first.c_str()) < 0;
  });
  mSorted = true;
}

PPDXControl* KeywordTo_PPDControl::Lookup(const char* keyword) const {
  if (keyword == nullptr) return nullptr;
  if (!mSorted) {
    for (const Entry& entry : mKeyVector)
      if (entry.first == keyword) return entry.second;
    return nullptr;
  }
  const auto found = std::lower_bound(mKeyVector.begin(), mKeyVector.end(), keyword,
                                      [](const Entry& entry, const char* text) {
                                        return std::strcmp(entry.first.c_str(), text) < 0;
                                      });
  if (found == mKeyVector.end() || found->first != keyword) return nullptr;
  return found->second;
}

const char* KeywordTo_PPDControl::Lookup(const PPDXControl* control) const {
  const auto found = mKeywordOf.find(control);
  return found == mKeywordOf.end() ? nullptr : found->second.c_str();
}
