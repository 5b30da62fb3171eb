#pragma once
// Helpers of the PPD library tests: temporary files, a concrete PPDX and control factories.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ppdx/PPDX.h"
#include "support/CString.h"
#include "support/PointerList.h"

// A file under the test's own temporary folder, removed with the object.
class TempFile {
 public:
  explicit TempFile(const std::string& content, const std::string& name = "test.ppd") {
    static int serial = 0;
    mFolder = std::filesystem::temp_directory_path() /
              ("ppdx-test-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    std::filesystem::create_directories(mFolder);
    mPath = mFolder / name;
    std::ofstream(mPath, std::ios::binary) << content;
  }
  ~TempFile() { std::filesystem::remove_all(mFolder); }
  const std::filesystem::path& Path() const { return mPath; }

 private:
  std::filesystem::path mFolder;
  std::filesystem::path mPath;
};

// A PPDX whose parse does nothing; tests set its stream and language texts directly.
class TestPPDX : public PPDX {
 public:
  TestPPDX() = default;
  void Parse() override {}
  void UseStream(PPDFileStream* stream) { SetBufferStream(stream); }
  void SetLanguage(const char* version, const char* encoding) {
    mLanguageVersion = version;
    mLanguageEncoding = encoding;
  }
};

// Owned flag words in the form the control constructors take.
class FlagWords {
 public:
  FlagWords(std::initializer_list<const char*> words) {
    for (const char* word : words) mWords.push_back(std::make_unique<CString>(word));
    for (auto& word : mWords) mList.PushBack(word.get());
  }
  const PointerList* List() const { return &mList; }

 private:
  std::vector<std::unique_ptr<CString>> mWords;
  PointerList mList;
};
