#pragma once
// The per-user printer list: which server address belongs to which printer queue, and whether
// two-way communication with it is enabled. The file "KTV.QuillonPrinter.plist" in the user's
// preferences folder holds a root array of groups of three: queue name (string), server address
// (string), enabled (boolean). Names match without regard to case. A file that is not such an
// array reads as an empty list and is left as it is until an address is added. Several dialogs
// of one user may hold the list at once: each remembers its own changes and, when it saves,
// applies them to the file as it is then, under a lock, so no dialog's change is lost.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "options/store/PropertyListFile.h"

class KTVQuillonPrinterPList : public PropertyListFile {
 public:
  // Reads the list of the user named by HOME.
  KTVQuillonPrinterPList();

  // The address stored for `name`, or nullopt.
  std::optional<std::string> Find(const std::string& name) const;
  // The index of the name element of the group for `name`; `found` tells whether there is one.
  int32_t Exists(const std::string& name, bool& found) const;
  // Replaces the address and flag of the group for `name`, or appends a new group.
  bool Add(const std::string& name, const std::string& address, bool enabled);
  // The flag of the group for `name`; false when there is none.
  bool getIPEnabled(const std::string& name) const;
  // Replaces the flag of an existing group; nothing when there is none.
  void setIPEnabled(const std::string& name, bool enabled);
  // Reads the file again under the lock, applies this object's changes to it and writes it;
  // false (and nothing written) when the file cannot be read as a list and nothing has been added
  // since, so an unreadable file is never replaced by an empty list.
  bool Save();

  PlistValue::Array mPrinterList;
  bool mFileCreated = false;  // there was no file to read
  bool mChanged = false;      // a group was added or changed since the file was read

 private:
  // One change of this object: a new address and flag, or (without an address) a new flag.
  struct Change {
    std::string name;
    std::optional<std::string> address;
    bool enabled = false;
  };

  void TakeGroupsFromFile();
  void Apply(const Change& change);

  bool mUnreadableFile = false;  // a file exists that is not a list of groups
  std::vector<Change> mUnsavedChanges;
};
