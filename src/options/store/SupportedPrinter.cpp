#include "options/store/SupportedPrinter.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "options/store/PrinterListFile.h"

bool IsCorvelModel(const char* shortNickName) {
  const size_t length = std::strlen(kCorvelModelName);
  return shortNickName && std::strncmp(shortNickName, kCorvelModelName, length) == 0;
}

bool IsSecureAccessModel(const char* shortNickName) {
  const size_t length = shortNickName ? std::strlen(shortNickName) : 0;
  return length >= 2 && std::strcmp(shortNickName + length - 2, kSecureAccessSuffix) == 0;
}

bool IsSupportedPCFileName(const char* pcFileName, const std::vector<std::string>& supported) {
  if (supported.empty()) return true;
  return pcFileName &&
         std::any_of(supported.begin(), supported.end(), [&](const std::string& name) {
           return strcasecmp(name.c_str(), pcFileName) == 0;
         });
}

bool AcceptsPrinterDescription(const char* shortNickName, const char* pcFileName,
                               const std::vector<std::string>& supported, std::string* reason) {
  if (!IsCorvelModel(shortNickName)) {
    *reason = std::string("the printer's PPD (") + (shortNickName ? shortNickName : "") +
              ") is not a " + kCorvelModelName;
    return false;
  }
  if (!IsSupportedPCFileName(pcFileName, supported)) {
    *reason = std::string("the PPD file ") + (pcFileName ? pcFileName : "") +
              " is not one this extension serves";
    return false;
  }
  return true;
}

std::vector<std::string> SupportedPCFileNames(const std::filesystem::path& contentsFolder) {
  PrinterListFile list(contentsFolder);
  return list.IsValid() ? list.mPrinterList : std::vector<std::string>{};
}
