#pragma once
// A read cursor over a caller-owned byte range, cut into lines of at most 255 bytes.
#include "ppdx/stream/PPDXConstants.h"

enum _StreamStatus { streamGood = 0, streamBad = 1, streamEOF = 2 };

class PPDStream {
 public:
  PPDStream() = default;
  PPDStream(const char* text, long length);
  PPDStream(const PPDStream&) = default;
  PPDStream& operator=(const PPDStream&) = default;
  virtual ~PPDStream() = default;

  void Setup(const char* text, long length);
  // Both run for every byte the tokenizer reads, so they are inline.
  bool GetChar(char& c) {
    if (mCurrent && mCurrent < mBufferEnd) {
      c = *mCurrent++;
      mStatus = streamGood;
      return true;
    }
    c = static_cast<char>(0xFF);
    mStatus = streamEOF;
    return false;
  }
  // The unread bytes, for scans that look at many at once; Skip(n) then takes n of them (n at most
  // Unread()) as n successful GetChar calls would.
  const char* Cursor() const { return mCurrent; }
  long Unread() const {
    return mCurrent && mCurrent < mBufferEnd ? static_cast<long>(mBufferEnd - mCurrent) : 0;
  }
  void Skip(long n) {
    if (n <= 0) return;
    mCurrent += n;
    mStatus = streamGood;
  }
  int PeekChar() const {
    if (mCurrent && mCurrent < mBufferEnd) return static_cast<signed char>(*mCurrent);
    return -1;
  }
  void SkipWhiteSpace();
  // Reads one line into out (kLineSizeLimit bytes, always NUL-terminated). True when the line
  // ended with LF, CR or CR LF; false at the end of data (status streamEOF, out holds the bytes
  // before it), at a 0xFF or NUL byte (consumed), or when the line is longer than 255 bytes (the
  // rest stays in the stream); in these last cases the status stays streamGood.
  virtual bool GetLine(char* out);

  _StreamStatus Status() const { return mStatus; }
  bool EndOfFile() const { return mStatus == streamEOF; }
  bool Good() const { return mStatus == streamGood; }
  bool Bad() const { return mStatus == streamBad; }

 protected:
  const char* mBufferStart = nullptr;
  const char* mBufferEnd = nullptr;
  const char* mCurrent = nullptr;
  _StreamStatus mStatus = streamGood;
};
