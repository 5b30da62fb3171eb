#pragma once
// Temporary folders and files for tests: each belongs to its object alone and is removed with it,
// so cases that run in parallel never meet.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw std::runtime_error("cannot create a folder like " + pattern);
    mPath = pattern;
  }
  ~TemporaryFolder() {
    std::error_code error;
    std::filesystem::remove_all(mPath, error);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return mPath; }

 private:
  std::filesystem::path mPath;
};

// A file holding `content`, alone in its own temporary folder.
class TempFile {
 public:
  explicit TempFile(const std::string& content, const std::string& name = "test.ppd")
      : mPath(mFolder.path() / name) {
    std::ofstream(mPath, std::ios::binary) << content;
  }
  const std::filesystem::path& Path() const { return mPath; }

 private:
  TemporaryFolder mFolder;
  std::filesystem::path mPath;
};
