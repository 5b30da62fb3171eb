#pragma once
// A line stream over a buffer that it owns and refills from a PPD file chunk by chunk.
#include <memory>

#include "ppdx/stream/PPDStream.h"

class PPDFile;

inline constexpr long kPPDFileChunkSize = 10000;

class PPDFileStream : public PPDStream {
 public:
  // fixedChunks: a 10000-byte buffer refilled as reading proceeds; otherwise a buffer sized to
  // the whole file (halved while it cannot be allocated). The file is not closed by the stream.
  PPDFileStream(PPDFile* file, bool fixedChunks);
  ~PPDFileStream() override = default;

  // As the base, but a line that runs into the end of a chunk is completed from the next one,
  // and a CR that ends one chunk and an LF that starts the next are one line end. A joined line
  // longer than 255 bytes is cut to 255 and reported as not terminated, exactly like an
  // over-long line inside one chunk. When the next chunk cannot be read, the line ends
  // unterminated and the status is streamBad, not streamEOF.
  bool GetLine(char* out) override;

  bool Chunked() const { return mChunks; }

 private:
  bool AllocateBuffer(long size);
  // Reads the next chunk; false (status streamBad) when the file could not be opened or read.
  bool SetupChunk();
  // Loads the next chunk and appends the rest of the line begun in out; the result as GetLine.
  bool CompleteFromNextChunk(char* out, bool skipLineFeed);

  std::unique_ptr<char[]> mHandle;  // null when no buffer could be allocated
  size_t mHandleSize = 0;
  bool mChunks = false;
  PPDFile* mFile = nullptr;
  // The last line ended with a CR in the last byte of the chunk: an LF opening the next chunk
  // belongs to that line end.
  bool mLineFeedMayFollow = false;
};
