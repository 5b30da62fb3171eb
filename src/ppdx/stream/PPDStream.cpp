#include "ppdx/stream/PPDStream.h"

#include <cstring>
#include <initializer_list>

PPDStream::PPDStream(const char* text, long length) { Setup(text, length); }

void PPDStream::Setup(const char* text, long length) {
  if (!text || length <= 0) {
    mStatus = streamBad;
    return;
  }
  mBufferStart = mCurrent = text;
  mBufferEnd = text + length;
  mStatus = streamGood;
}

void PPDStream::SkipWhiteSpace() {
  while (mCurrent && mCurrent < mBufferEnd && (*mCurrent == ' ' || *mCurrent == '\t')) ++mCurrent;
}

namespace {

// A byte that a line cannot hold: 0xFF, and NUL, which would end the line's text early.
bool IsLineBreakingByte(char c) { return c == '\0' || static_cast<unsigned char>(c) == 0xFF; }

}  // namespace

bool PPDStream::GetLine(char* out) {
  if (!mCurrent || mCurrent >= mBufferEnd) {
    out[0] = '\0';
    mStatus = streamEOF;
    return false;
  }
  // Looks at most 255 bytes ahead for the end of the line; the byte after them decides whether
  // the line ends there (terminator) or is over-long (it stays in the stream).
  const char* limit =
      mBufferEnd - mCurrent > kLineSizeLimit - 1 ? mCurrent + (kLineSizeLimit - 1) : mBufferEnd;
  // The first LF, CR or line-breaking byte before the limit (memchr is far faster than a byte
  // loop); each search is bounded by the hits before it.
  const char* end = limit;
  for (const int stop : {int('\n'), int('\r'), 0xFF, 0})
    if (const void* hit = std::memchr(mCurrent, stop, static_cast<size_t>(end - mCurrent)))
      end = static_cast<const char*>(hit);
  const long stored = static_cast<long>(end - mCurrent);
  std::memcpy(out, mCurrent, static_cast<size_t>(stored));
  out[stored] = '\0';
  mCurrent = end;
  if (mCurrent == mBufferEnd) {
    mStatus = streamEOF;
    return false;
  }
  const char c = *mCurrent++;
  mStatus = streamGood;
  if (c == '\n') return true;
  if (c == '\r') {
    if (PeekChar() == '\n') ++mCurrent;
    return true;
  }
  if (IsLineBreakingByte(c)) return false;
  --mCurrent;  // over-long line: the byte stays for the next read
  return false;
}
