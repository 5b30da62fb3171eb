#include "ppdx/PPDStream.h"

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

bool PPDStream::GetLine(char* out) {
  long stored = 0;
  bool terminated = false;
  char c;
  while (GetChar(c)) {
    if (c == '\n') {
      terminated = true;
      break;
    }
    if (c == '\r') {
      if (PeekChar() == '\n') GetChar(c);
      terminated = true;
      break;
    }
    if (static_cast<unsigned char>(c) == 0xFF) break;
    if (stored == kLineSizeLimit - 1) {
      --mCurrent;  // over-long line: the byte stays for the next read
      break;
    }
    out[stored++] = c;
  }
  out[stored] = '\0';
  return terminated;
}
