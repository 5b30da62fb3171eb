#include "options/PrinterListFile.h"

PrinterListFile::PrinterListFile(const std::filesystem::path& contentsFolder)
    : PropertyListFile(contentsFolder, "PrinterList.plist") {
  const PlistValue* names = mPropertyList ? mPropertyList->Find("PCFILENAME") : nullptr;
  mValid = names != nullptr;
  if (!names || !names->GetArray()) return;
  for (const PlistValue& name : *names->GetArray())
    if (const std::string* text = name.GetString()) mPrinterList.push_back(*text);
}
