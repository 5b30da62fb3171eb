#include "ppdx/stream/PPDFileStream.h"

#include <cstring>
#include <new>

#include "ppdx/stream/PPDFile.h"

PPDFileStream::PPDFileStream(PPDFile* file, bool fixedChunks) : mFile(file) {
  if (!file) {
    mStatus = streamBad;
    return;
  }
  if (fixedChunks) {
    mChunks = true;
    if (!AllocateBuffer(kPPDFileChunkSize)) return;
  } else {
    long size = file->dataForkSize();
    if (size == 0) return;
    // Small files get a buffer of their own size; halving stops at one line's worth.
    while (!AllocateBuffer(size)) {
      if (size <= kLineSizeLimit) return;
      size /= 2;
      mChunks = true;
    }
  }
  SetupChunk();
}

bool PPDFileStream::AllocateBuffer(long size) {
  // Left uninitialised: every byte that is read is written by the file read first.
  mHandle.reset(new (std::nothrow) char[static_cast<size_t>(size)]);
  mHandleSize = mHandle ? static_cast<size_t>(size) : 0;
  return mHandle != nullptr;
}

bool PPDFileStream::SetupChunk() {
  if (!mHandle || !mFile) return true;
  if (!mFile->dataForkOpen() && mFile->openDataFork(1) != noErr) {
    mStatus = streamBad;
    return false;
  }
  unsigned long count = mHandleSize;
  OSErr result = mFile->dataForkRead(mHandle.get(), &count);
  if (result != noErr && result != eofErr) {
    mStatus = streamBad;
    return false;
  }
  Setup(mHandle.get(), static_cast<long>(count));
  return true;
}

bool PPDFileStream::GetLine(char* out) {
  const bool skipLineFeed = mLineFeedMayFollow;
  mLineFeedMayFollow = false;
  bool terminated = PPDStream::GetLine(out);
  if (!terminated && mChunks && EndOfFile()) terminated = CompleteFromNextChunk(out, skipLineFeed);
  if (terminated) mLineFeedMayFollow = mCurrent == mBufferEnd && mCurrent[-1] == '\r';
  return terminated;
}

bool PPDFileStream::CompleteFromNextChunk(char* out, bool skipLineFeed) {
  // A failed read is not the end of the file: the status stays streamBad so that the reader
  // knows the rest of the file is lost.
  if (!SetupChunk()) return false;
  if (skipLineFeed && PeekChar() == '\n') ++mCurrent;
  const char* remainderStart = mCurrent;
  char remainder[kLineSizeLimit];
  const bool terminated = PPDStream::GetLine(remainder);
  // A line broken by a 0xFF or NUL byte or too long in the new chunk ends here unterminated.
  if (!terminated && !EndOfFile()) return false;
  const size_t head = std::strlen(out);
  const size_t tail = std::strlen(remainder);
  const size_t room = kLineSizeLimit - 1 - head;
  const size_t taken = tail < room ? tail : room;
  std::memcpy(out + head, remainder, taken);
  out[head + taken] = '\0';
  if (head + tail > static_cast<size_t>(kLineSizeLimit - 1)) {
    // Cut like an over-long line inside a chunk: the rest stays for the next read.
    mCurrent = remainderStart + taken;
    mStatus = streamGood;
    return false;
  }
  return terminated;
}
