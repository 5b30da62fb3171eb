#include "options/KTVQuillonPrinterPList.h"

#include <strings.h>

#include "platform/UserFolders.h"
#include "support/Logging.h"

namespace {

constexpr size_t kGroupSize = 3;  // name, address, enabled
constexpr size_t kAddressOffset = 1;
constexpr size_t kEnabledOffset = 2;

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
  mFileCreated = mLastErr == fnfErr;
  mValid = true;  // the list exists: an empty one when the file holds none
  const PlistValue::Array* array = mPropertyList ? mPropertyList->GetArray() : nullptr;
  if (array && IsGroupList(*array)) {
    mPrinterList = *array;
  } else if (!mFileCreated) {
    mUnreadableFile = true;
    trace_log(0, "%s is not a printer list; read as empty\n", mURL.c_str());
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
  bool found = false;
  const int32_t index = Exists(name, found);
  if (found) {
    mPrinterList[index + kAddressOffset] = address;
    mPrinterList[index + kEnabledOffset] = enabled;
  } else {
    mPrinterList.insert(mPrinterList.end(), {PlistValue(name), PlistValue(address), enabled});
  }
  mChanged = true;
  return true;
}

bool KTVQuillonPrinterPList::getIPEnabled(const std::string& name) const {
  bool found = false;
  const int32_t index = Exists(name, found);
  return found && *mPrinterList[index + kEnabledOffset].GetBoolean();
}

void KTVQuillonPrinterPList::setIPEnabled(const std::string& name, bool enabled) {
  bool found = false;
  const int32_t index = Exists(name, found);
  if (!found) return;
  mPrinterList[index + kEnabledOffset] = enabled;
  mChanged = true;
}

bool KTVQuillonPrinterPList::Save() {
  if (mUnreadableFile && !mChanged) return false;
  return PropertyListFile::Save(mPrinterList);
}
