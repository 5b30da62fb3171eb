#pragma once
// Byte-pattern search with a bad-character skip table; looks for entries in the head of a file.
#include <cstdint>

class BoyerMoore {
 public:
  BoyerMoore();
  virtual ~BoyerMoore() = default;

  virtual void SetSearchString(const char* pattern, short length);  // at most 255 bytes kept
  virtual void SetSearchString(unsigned char* pattern);             // length-prefixed
  virtual void GetSearchString(char* out);                          // NUL-terminated, 256 bytes
  virtual void SetSearchData(void* data, long length);              // start offset back to 0
  // Offset of the first occurrence of the whole pattern, relative to the start offset, or -1.
  virtual long Search();
  virtual long Search(long start, const char* pattern, short length);
  virtual long Search(long start, unsigned char* pattern);
  virtual void SetCaseSensitve(bool sensitive);  // kept; the comparison is always exact
  virtual bool GetCaseSensitive();
  virtual short GetSearchStringLength();
  virtual void PrepareSearchData();
  virtual void CleanupSearchData();
  virtual void BuildSkipTable();

 private:
  uint8_t mSkipTable[256] = {};
  char mPattern[256] = {};
  short mPatternLength = 0;
  const uint8_t* mData = nullptr;
  long mDataLength = 0;
  long mStartOffset = 0;
  const uint8_t* mSearchStart = nullptr;
  bool mCaseInsensitive = false;
};
