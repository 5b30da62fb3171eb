#pragma once
// A parser error: a CError whose description comes from the bundle's error string list, plus
// the PPD keyword or other name it concerns.
#include <string>

#include "ppdx/errors/CError.h"

class PPDXErrorObj : public CError {
 public:
  PPDXErrorObj(const short& code, const bool& fatal);
  PPDXErrorObj(const short& code, const char* keyword, const bool& fatal);
  PPDXErrorObj(const PPDXErrorObj&) = default;
  PPDXErrorObj& operator=(const PPDXErrorObj&) = default;

  // The keyword text, or null when empty.
  const char* Keyword() const { return mKeyWord.empty() ? nullptr : mKeyWord.c_str(); }

 private:
  std::string mKeyWord;
};
