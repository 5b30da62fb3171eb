#include "TempInputFile.h"

#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

TempInputFile::TempInputFile(const char* suffix)
    : mPath(std::filesystem::temp_directory_path() /
            ("corvel-fuzz-" + std::to_string(getpid()) + suffix)) {}

TempInputFile::~TempInputFile() {
  std::error_code error;
  std::filesystem::remove(mPath, error);
}

bool TempInputFile::Write(const uint8_t* data, size_t size) const {
  std::ofstream out(mPath, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out.flush());
}
