#pragma once
// Environment variables set for one scope, and a temporary HOME for tests that write preferences.
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "TestSupport/TemporaryFiles.h"

// Sets (or, with nullopt, unsets) an environment variable until the end of the scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, std::optional<std::string> value) : mName(name) {
    if (const char* previous = getenv(name)) mPrevious = previous;
    Apply(value);
  }
  ~ScopedEnvironment() { Apply(mPrevious); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

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

// An empty temporary folder that is HOME while the object lives.
class TemporaryHome {
 public:
  const std::filesystem::path& path() const { return mFolder.path(); }

 private:
  TemporaryFolder mFolder;
  ScopedEnvironment mVariable{"HOME", mFolder.path().string()};
};
