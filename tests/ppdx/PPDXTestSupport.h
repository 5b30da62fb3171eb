#pragma once
// Helpers of the PPD library tests: a concrete PPDX, control factories, and PPD text written to a
// temporary file and parsed (temporary files come from TestSupport/TemporaryFiles.h).
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport/TemporaryFiles.h"
#include "ppdx/controls/PPDXControl.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/parser/KTVPPD.h"
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

// The first lines every parsed test file starts with: header, language and encoding.
inline std::string PPDHeader() {
  return "*PPD-Adobe: \"4.3\"\n*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
         "*PCFileName: \"TEST.PPD\"\n*ModelName: \"Test Model\"\n";
}

// A page "Pg" with scroll pane "Pane" and roll-down "Roll", all visible.
inline std::string PPDLayout() {
  return "*%KTVPropPage Pg/Page: True\n*%KTVGroupName Pane/Pane: True\n"
         "*%KTVParent Pane/Pg: True|Scrollpane\n*%KTVGroupName Roll/Roll: True\n"
         "*%KTVParent Roll/Pane: True|Rolldown\n";
}

// The UI block of keyword: its flags line (with flags), its group line (none when group is empty),
// the opener of the given type named "Name <keyword>", the body and the closer.
inline std::string UIBlock(const std::string& keyword, const std::string& group,
                           const std::string& body, const std::string& flags = "",
                           const std::string& type = "PickOne") {
  std::string text = "*%KTVFlags *" + keyword + (flags.empty() ? "" : " " + flags) + "\n";
  if (!group.empty()) text += "*%KTVGroup *" + keyword + " " + group + "\n";
  return text + "*OpenUI *" + keyword + "/Name " + keyword + ": " + type + "\n" + body +
         "*CloseUI: *" + keyword + "\n";
}

// PPD text in a temporary file.
using TempPPD = TempFile;

// PPD text parsed from a temporary file, with what the parse recorded.
class ParsedPPD {
 public:
  explicit ParsedPPD(const std::string& text, _PARSE_OPTIONS_ options = PO_PARSE_ALL)
      : mFile(text), mPPD(std::make_unique<KTVPPD>(mFile.Path(), options)) {}
  KTVPPD* operator->() const { return mPPD.get(); }
  KTVPPD& operator*() const { return *mPPD; }

  // The codes of the recorded errors, in order.
  std::vector<short> Codes() const {
    std::vector<short> codes;
    for (long i = 0; i < mPPD->GetErrors()->Count(); ++i)
      codes.push_back((*mPPD->GetErrors())[i].Code());
    return codes;
  }
  bool Has(short code, const char* keyword = nullptr, bool fatalOnly = false) const {
    for (long i = 0; i < mPPD->GetErrors()->Count(); ++i) {
      const PPDXErrorObj& error = (*mPPD->GetErrors())[i];
      if (error.Code() != code || (fatalOnly && !error.IsFatal())) continue;
      if (!keyword || (error.Keyword() && std::strcmp(error.Keyword(), keyword) == 0)) return true;
    }
    return false;
  }
  bool HasFatal(short code) const { return Has(code, nullptr, true); }
  // Any control, whatever the filter.
  PPDXControl* Control(const char* keyword) const {
    DisplayOptionsScope all(SO_SHOW_ALL);
    CNTL_TYPE kind;
    return mPPD->GetControls()->Find(keyword, kind, true);
  }

 private:
  TempPPD mFile;
  std::unique_ptr<KTVPPD> mPPD;
};
