#pragma once
// A byte stream that Settings saves to and reads from.
#include "platform/Status.h"

class DataStream {
 public:
  virtual ~DataStream() = default;
  // Non-zero when the stream can be used.
  virtual long Usable() const = 0;
  // Writes count bytes; noErr only when all of them were written.
  virtual OSStatus Write(const void* buffer, long count) = 0;
  // Reads up to count bytes; count becomes the number read. Non-zero on success.
  virtual long Read(void* buffer, long& count, OSStatus& status) = 0;
  // Bytes still available to read.
  virtual long Available() const = 0;
};
