#pragma once
// Writes PPD text to a temporary file and parses it, and finds what the parse recorded.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport/TemporaryFiles.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/errors/PPDXErrorCodes.h"

class PPDXControl;

// The first lines every test file starts with: header, language and encoding.
std::string PPDHeader();
// A page "Pg" with scroll pane "Pane" and roll-down "Roll", all visible.
std::string PPDLayout();

// The UI block of keyword: its flags line (with flags), its group line (none when group is empty),
// the opener of the given type named "Name <keyword>", the body and the closer.
std::string UIBlock(const std::string& keyword, const std::string& group, const std::string& body,
                    const std::string& flags = "", const std::string& type = "PickOne");

// PPD text in a temporary file.
using TempPPD = TempFile;

class ParsedPPD {
 public:
  explicit ParsedPPD(const std::string& text, _PARSE_OPTIONS_ options = PO_PARSE_ALL);
  KTVPPD* operator->() const { return mPPD.get(); }
  KTVPPD& operator*() const { return *mPPD; }

  // The codes of the recorded errors, in order.
  std::vector<short> Codes() const;
  bool Has(short code, const char* keyword = nullptr, bool fatalOnly = false) const;
  bool HasFatal(short code) const { return Has(code, nullptr, true); }
  PPDXControl* Control(const char* keyword) const;  // any control, whatever the filter

 private:
  TempPPD mFile;
  std::unique_ptr<KTVPPD> mPPD;
};
