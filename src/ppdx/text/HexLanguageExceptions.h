#pragma once
// Languages whose 8-bit translation strings keep the declared encoding when converted in place.
#include <set>
#include <string>

class HexLanguageExceptions {
 public:
  HexLanguageExceptions();
  virtual ~HexLanguageExceptions() = default;
  bool IsException(const std::string& language) const { return mExceptions.count(language) != 0; }

 private:
  std::set<std::string> mExceptions;
};
