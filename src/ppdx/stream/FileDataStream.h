#pragma once
// A data stream over a file: opened for reading, or created (truncated) for writing.
#include <cstdio>
#include <filesystem>

#include "ppdx/stream/DataStream.h"

class FileDataStream : public DataStream {
 public:
  enum class Mode { Read, Write };
  FileDataStream(const std::filesystem::path& path, Mode mode);
  ~FileDataStream() override;
  FileDataStream(const FileDataStream&) = delete;
  FileDataStream& operator=(const FileDataStream&) = delete;

  long Usable() const override { return mFile != nullptr; }
  OSStatus Write(const void* buffer, long count) override;
  long Read(void* buffer, long& count, OSStatus& status) override;
  long Available() const override;
  OSStatus Close();  // flushes a written file; noErr when everything reached it

 private:
  std::FILE* mFile = nullptr;
};
