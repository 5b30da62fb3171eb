#include "ppdx/stream/BoyerMoore.h"

#include <algorithm>
#include <cstring>

BoyerMoore::BoyerMoore() { BuildSkipTable(); }

void BoyerMoore::SetSearchString(const char* pattern, short length) {
  mPatternLength = pattern ? std::clamp<short>(length, 0, 255) : 0;
  if (mPatternLength > 0) std::memcpy(mPattern, pattern, static_cast<size_t>(mPatternLength));
  mPattern[mPatternLength] = '\0';
  BuildSkipTable();
}

void BoyerMoore::SetSearchString(unsigned char* pattern) {
  if (!pattern) {
    SetSearchString(nullptr, 0);
    return;
  }
  SetSearchString(reinterpret_cast<const char*>(pattern + 1), pattern[0]);
}

void BoyerMoore::GetSearchString(char* out) {
  if (!out) return;
  std::memcpy(out, mPattern, static_cast<size_t>(mPatternLength));
  out[mPatternLength] = '\0';
}

void BoyerMoore::SetSearchData(void* data, long length) {
  mData = static_cast<const uint8_t*>(data);
  mDataLength = data && length > 0 ? length : 0;
  mStartOffset = 0;
}

void BoyerMoore::BuildSkipTable() {
  std::memset(mSkipTable, static_cast<uint8_t>(mPatternLength), sizeof mSkipTable);
  for (short i = 0; i < mPatternLength; ++i)
    mSkipTable[static_cast<uint8_t>(mPattern[i])] = static_cast<uint8_t>(mPatternLength - 1 - i);
}

void BoyerMoore::PrepareSearchData() { mSearchStart = mData ? mData + mStartOffset : nullptr; }

void BoyerMoore::CleanupSearchData() {}

long BoyerMoore::Search() {
  if (mPatternLength <= 0 || !mData || mStartOffset < 0 || mStartOffset > mDataLength) return -1;
  PrepareSearchData();
  const long textLength = mDataLength - mStartOffset;
  const long last = mPatternLength - 1;
  long result = -1;
  // Every byte of the pattern is compared, from the last one back to the first.
  for (long t = last, j = last; t < textLength;) {
    if (mSearchStart[t] == static_cast<uint8_t>(mPattern[j])) {
      if (j == 0) {
        result = t;
        break;
      }
      --t;
      --j;
      continue;
    }
    t += std::max<long>(mSkipTable[mSearchStart[t]], mPatternLength - j);
    j = last;
  }
  CleanupSearchData();
  return result;
}

long BoyerMoore::Search(long start, const char* pattern, short length) {
  if (pattern) SetSearchString(pattern, length);
  mStartOffset = start;
  return Search();
}

long BoyerMoore::Search(long start, unsigned char* pattern) {
  if (pattern) SetSearchString(pattern);
  mStartOffset = start;
  return Search();
}

void BoyerMoore::SetCaseSensitve(bool sensitive) { mCaseInsensitive = !sensitive; }

bool BoyerMoore::GetCaseSensitive() { return !mCaseInsensitive; }

short BoyerMoore::GetSearchStringLength() { return mPatternLength; }
