#pragma once
// Helpers shared by the platform tests: property-list files (temporary folders and scoped
// environment variables come from TestSupport).
#include <filesystem>
#include <stdexcept>

#include "TestSupport/ScopedEnvironment.h"
#include "TestSupport/TemporaryFiles.h"
#include "platform/PlistValue.h"
#include "platform/PropertyList.h"

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
