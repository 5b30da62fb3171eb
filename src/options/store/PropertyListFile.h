#pragma once
// A property-list file read once when the object is made: its bytes, the parsed list (null when
// the file is missing or is not a property list) and the status of the last file operation.
// Derived classes interpret the list; Save writes a new root array in its place.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/PlistValue.h"
#include "platform/Status.h"

class PropertyListFile {
 public:
  // The file `fileName` in `folder`.
  PropertyListFile(const std::filesystem::path& folder, const std::string& fileName,
                   bool createIfNotFound = false);
  // The file at `location`.
  explicit PropertyListFile(const std::filesystem::path& location);
  virtual ~PropertyListFile() = default;

  // Writes `array` as the file's XML property list (replacing the file atomically); true on
  // success. mLastErr is the write status.
  bool Save(const PlistValue::Array& array);

  const std::filesystem::path& Location() const { return mURL; }
  OSStatus LastError() const { return mLastErr; }

 protected:
  std::filesystem::path mURL;
  std::string mXMLData;
  std::optional<PlistValue> mPropertyList;
  bool mCreateIfNotFound;
  bool mValid = false;  // the file was read and holds a property list
  OSStatus mLastErr = noErr;

  // Reads the file again, as the constructor did.
  void Reread();

 private:
  void Read();
};
