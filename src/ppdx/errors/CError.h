#pragma once
// An error record: code, human-readable description (may be empty) and whether it is fatal.
#include <string>

class CError {
 public:
  CError(short code, const char* description, bool fatal);
  CError(const CError&) = default;
  CError& operator=(const CError&) = default;

  bool operator==(short code) const { return mCode == code; }
  bool operator!=(short code) const { return mCode != code; }
  short Code() const { return mCode; }
  // The text, or null when empty.
  const char* Description() const { return mDescription.empty() ? nullptr : mDescription.c_str(); }
  void Description(const char* text) { mDescription = text ? text : ""; }
  bool IsFatal() const { return mFatal; }

 protected:
  short mCode;
  std::string mDescription;
  bool mFatal;
};
