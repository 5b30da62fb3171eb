#pragma once
// A data stream over a byte block in memory: writes append, reads go forward from the start.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ppdx/stream/DataStream.h"

class MemoryDataStream : public DataStream {
 public:
  MemoryDataStream() = default;
  explicit MemoryDataStream(std::vector<uint8_t> bytes) : mBytes(std::move(bytes)) {}

  long Usable() const override { return 1; }
  OSStatus Write(const void* buffer, long count) override;
  long Read(void* buffer, long& count, OSStatus& status) override;
  long Available() const override { return static_cast<long>(mBytes.size() - mReadPosition); }

  const std::vector<uint8_t>& Bytes() const { return mBytes; }

 private:
  std::vector<uint8_t> mBytes;
  size_t mReadPosition = 0;
};
