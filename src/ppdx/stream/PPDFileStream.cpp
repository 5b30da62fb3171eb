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

void PPDFileStream::SetupChunk() {
  if (!mHandle || !mFile) return;
  if (!mFile->dataForkOpen() && mFile->openDataFork(1) != noErr) {
    mStatus = streamBad;
    return;
  }
  unsigned long count = mHandleSize;
  OSErr result = mFile->dataForkRead(mHandle.get(), &count);
  if (result != noErr && result != eofErr) {
    mStatus = streamBad;
    return;
  }
  Setup(mHandle.get(), static_cast<long>(count));
}

bool PPDFileStream::GetLine(char* out) {
  bool terminated = PPDStream::GetLine(out);
  if (terminated || !mChunks || !EndOfFile()) return terminated;

  SetupChunk();
  char remainder[kLineSizeLimit];
  if (!PPDStream::GetLine(remainder)) return false;
  size_t head = std::strlen(out);
  size_t tail = std::strlen(remainder);
  size_t room = kLineSizeLimit - 1 - head;
  std::memcpy(out + head, remainder, tail < room ? tail : room);
  out[head + (tail < room ? tail : room)] = '\0';
  return head + tail <= static_cast<size_t>(kLineSizeLimit - 1);
}
