#include "ppdx/errors/PPDXErrorObj.h"

#include "platform/IndexedStrings.h"
#include "ppdx/errors/PPDXErrorCodes.h"

namespace {

// Entry `code` of the bundle's error string list in the current resource chain; empty when the
// entry cannot be read.
std::string DescriptionOf(short code) {
  if (code <= 0) return std::string();
  char text[256];
  const char* found = getIndString(text, kPPDXErrorStringListID, code);
  return found ? std::string(found) : std::string();
}

}  // namespace

PPDXErrorObj::PPDXErrorObj(const short& code, const bool& fatal)
    : CError(code, DescriptionOf(code).c_str(), fatal) {}

PPDXErrorObj::PPDXErrorObj(const short& code, const char* keyword, const bool& fatal)
    : CError(code, DescriptionOf(code).c_str(), fatal), mKeyWord(keyword ? keyword : "") {}
