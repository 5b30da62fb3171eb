#include "options/store/PrinterListFile.h"

#include "support/Logging.h"

PrinterListFile::PrinterListFile(const std::filesystem::path& contentsFolder)
    : PropertyListFile(contentsFolder, "PrinterList.plist") {
  const PlistValue* names = mPropertyList ? mPropertyList->Find("PCFILENAME") : nullptr;
  mValid = names != nullptr;
  if (!mValid && mLastErr != fnfErr)
    trace_log(0, "Corvel: %s names no PPD files; every PPD of the model is accepted\n",
              mURL.c_str());
  if (!names || !names->GetArray()) return;
  for (const PlistValue& name : *names->GetArray())
    if (const std::string* text = name.GetString()) mPrinterList.push_back(*text);
}
