#include "options/store/PropertyListFile.h"

#include "platform/FileIO.h"
#include "platform/PropertyList.h"
#include "support/Logging.h"

PropertyListFile::PropertyListFile(const std::filesystem::path& folder, const std::string& fileName,
                                   bool createIfNotFound)
    : mURL(folder / fileName), mCreateIfNotFound(createIfNotFound) {
  Read();
}

PropertyListFile::PropertyListFile(const std::filesystem::path& location)
    : mURL(location), mCreateIfNotFound(false) {
  Read();
}

void PropertyListFile::Read() {
  mLastErr = ReadFileContents(mURL, mXMLData);
  if (mLastErr != noErr) return;
  mPropertyList = PropertyListFromData(mXMLData);
  if (!mPropertyList) mLastErr = kPropertyListMalformedErr;  // the derived class reports it
  mValid = mPropertyList.has_value();
}

void PropertyListFile::Reread() {
  mXMLData.clear();
  mPropertyList.reset();
  mValid = false;
  Read();
}

bool PropertyListFile::Save(const PlistValue::Array& array) {
  mLastErr = WritePropertyListFile(mURL, PlistValue(array));
  if (mLastErr != noErr)
    trace_log(0, "Corvel: cannot write %s (status %d); check that its folder can be written\n",
              mURL.c_str(), int(mLastErr));
  return mLastErr == noErr;
}
