#pragma once
// A file that holds a printer description; streams and the parser name PPD files by this type.
#include "ppdx/stream/FileMac.h"

class PPDFile : public FileMac {
 public:
  PPDFile(short volume, long directory, char* name) : FileMac(volume, directory, name) {}
  explicit PPDFile(const std::filesystem::path& url) : FileMac(url) {}
  explicit PPDFile(const FSSpec& spec) : FileMac(spec) {}
  explicit PPDFile(unsigned char) {}  // names no file

 private:
  [[maybe_unused]] bool fSetupDone = false;
};
