#include "options/store/KTVQuillonPrinterPList.h"

#include <strings.h>

#include <set>

#include "platform/FileIO.h"
#include "platform/UserFolders.h"
#include "support/Logging.h"

namespace {

constexpr size_t kGroupSize = 3;  // name, address, enabled
constexpr size_t kAddressOffset = 1;
constexpr size_t kEnabledOffset = 2;

// Once per file and process: the list is read again whenever the panes are refilled.
void ReportDamagedList(const std::filesystem::path& file) {
  static std::set<std::filesystem::path> reported;
  if (!reported.insert(file).second) return;
  trace_log(0,
            "Corvel: the printer list %s is damaged; server synchronisation has no address until "
            "one is entered again in the Accessories pane, which replaces the file\n",
            file.c_str());
}

bool IsGroupList(const PlistValue::Array& array) {
  if (array.size() % kGroupSize != 0) return false;
  for (size_t i = 0; i < array.size(); i += kGroupSize) {
    if (!array[i].GetString() || !array[i + kAddressOffset].GetString() ||
        !array[i + kEnabledOffset].GetBoolean())
      return false;
  }
  return true;
}

}  // namespace

KTVQuillonPrinterPList::KTVQuillonPrinterPList()
    : PropertyListFile(UserPreferencesFolder(), "KTV.QuillonPrinter.plist", true) {
  TakeGroupsFromFile();
}

void KTVQuillonPrinterPList::TakeGroupsFromFile() {
  mFileCreated = mLastErr == fnfErr;
  mValid = true;  // the list exists: an empty one when the file holds none
  mUnreadableFile = false;
  mPrinterList.clear();
  const PlistValue::Array* array = mPropertyList ? mPropertyList->GetArray() : nullptr;
  if (array && IsGroupList(*array)) {
    mPrinterList = *array;
  } else if (!mFileCreated) {
    mUnreadableFile = true;
    ReportDamagedList(mURL);
  }
}

int32_t KTVQuillonPrinterPList::Exists(const std::string& name, bool& found) const {
  for (size_t i = 0; i < mPrinterList.size(); i += kGroupSize) {
    if (strcasecmp(mPrinterList[i].GetString()->c_str(), name.c_str()) == 0) {
      found = true;
      return int32_t(i);
    }
  }
  found = false;
  return -1;
}

std::optional<std::string> KTVQuillonPrinterPList::Find(const std::string& name) const {
  bool found = false;
  const int32_t index = Exists(name, found);
  if (!found) return std::nullopt;
  return *mPrinterList[index + kAddressOffset].GetString();
}

bool KTVQuillonPrinterPList::Add(const std::string& name, const std::string& address,
                                 bool enabled) {
  mUnsavedChanges.push_back({name, address, enabled});
  Apply(mUnsavedChanges.back());
  mChanged = true;
  return true;
}

void KTVQuillonPrinterPList::Apply(const Change& change) {
  bool found = false;
  const int32_t index = Exists(change.name, found);
  if (found) {
    if (change.address) mPrinterList[index + kAddressOffset] = *change.address;
    mPrinterList[index + kEnabledOffset] = change.enabled;
  } else if (change.address) {
    mPrinterList.insert(mPrinterList.end(),
                        {PlistValue(change.name), PlistValue(*change.address), change.enabled});
  }
}

bool KTVQuillonPrinterPList::getIPEnabled(const std::string& name) const {
  bool found = false;
  const int32_t index = Exists(name, found);
  return found && *mPrinterList[index + kEnabledOffset].GetBoolean();
}

void KTVQuillonPrinterPList::setIPEnabled(const std::string& name, bool enabled) {
  bool found = false;
  Exists(name, found);
  if (!found) return;
  mUnsavedChanges.push_back({name, std::nullopt, enabled});
  Apply(mUnsavedChanges.back());
  mChanged = true;
}

bool KTVQuillonPrinterPList::Save() {
  // Another dialog may have saved since this one read the file: its groups stay.
  FileLock lock(std::filesystem::path(mURL) += ".lock");
  Reread();
  TakeGroupsFromFile();
  for (const Change& change : mUnsavedChanges) Apply(change);
  if (mUnreadableFile && !mChanged) return false;
  if (!PropertyListFile::Save(mPrinterList)) return false;
  mUnsavedChanges.clear();
  return true;
}
