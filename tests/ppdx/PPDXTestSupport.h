#pragma once
// Helpers of the PPD library tests: a concrete PPDX and control factories (temporary files come
// from TestSupport/TemporaryFiles.h).
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport/TemporaryFiles.h"
#include "ppdx/controls/PPDXControl.h"
#include "ppdx/parser/PPDX.h"
#include "support/CString.h"
#include "support/PointerList.h"

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

// PPD comment lines that make up exactly size bytes (size at least 3); they place the lines that
// follow at a chosen offset, such as the end of a 10000-byte read chunk.
inline std::string CommentLines(size_t size) {
  std::string text;
  while (text.size() < size) {
    const size_t left = size - text.size();
    const size_t line = left > 200 ? 100 : left;
    text += "*%" + std::string(line - 3, 'f') + "\n";
  }
  return text;
}

// The control's PostScript output; checks that exactly the reported length is written.
inline std::string PostScriptText(PPDXControl& control) {
  const long length = control.PostScript(nullptr);
  std::vector<unsigned char> out(size_t(length) + 8, 0x5A);
  EXPECT_EQ(control.PostScript(out.data()), length);
  EXPECT_EQ(out[size_t(length)], 0x5A) << "written past the reported length";
  return std::string(out.begin(), out.begin() + length);
}

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
