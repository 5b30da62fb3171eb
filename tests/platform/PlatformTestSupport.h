#pragma once
// Fixtures shared by the platform tests: a temporary folder and scoped environment variables.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include "TestSupport/TemporaryFiles.h"
#include "platform/PlistValue.h"
#include "platform/PropertyList.h"

// Sets (or, with nullopt, unsets) an environment variable until the end of the scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, std::optional<std::string> value) : mName(name) {
    if (const char* previous = getenv(name)) mPrevious = previous;
    Apply(value);
  }
  ~ScopedEnvironment() { Apply(mPrevious); }

 private:
  void Apply(const std::optional<std::string>& value) {
    if (value)
      setenv(mName.c_str(), value->c_str(), 1);
    else
      unsetenv(mName.c_str());
  }
  std::string mName;
  std::optional<std::string> mPrevious;
};

inline void WritePlist(const std::filesystem::path& file, const PlistValue& value) {
  std::filesystem::create_directories(file.parent_path());
  if (WritePropertyListFile(file, value) != noErr)
    throw std::runtime_error("cannot write " + file.string());
}

inline PlistValue StringArray(std::initializer_list<const char*> texts) {
  PlistValue::Array array;
  for (const char* text : texts) array.emplace_back(text);
  return array;
}
