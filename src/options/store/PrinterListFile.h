#pragma once
// The bundle's list of the printer descriptions this extension serves: "PrinterList.plist" in the
// bundle's Contents folder, a dictionary whose "PCFILENAME" array names the PPD files.
#include <filesystem>
#include <string>
#include <vector>

#include "options/store/PropertyListFile.h"

class PrinterListFile : public PropertyListFile {
 public:
  explicit PrinterListFile(const std::filesystem::path& contentsFolder);

  // True when the file has the "PCFILENAME" key.
  bool IsValid() const { return mValid; }

  std::vector<std::string>
      mPrinterList;  // the PPD file names; entries that are not strings skipped
};
