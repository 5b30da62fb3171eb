#pragma once
// The parser reads printer descriptions from files, so each input is written to one file per
// process, replaced on every run and removed when the process ends.
#include <cstddef>
#include <cstdint>
#include <filesystem>

class TempInputFile {
 public:
  explicit TempInputFile(const char* suffix);
  ~TempInputFile();
  TempInputFile(const TempInputFile&) = delete;
  TempInputFile& operator=(const TempInputFile&) = delete;

  // Replaces the file's contents; false when it cannot be written.
  bool Write(const uint8_t* data, size_t size) const;
  const std::filesystem::path& Path() const { return mPath; }

 private:
  std::filesystem::path mPath;
};
