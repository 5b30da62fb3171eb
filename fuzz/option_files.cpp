// Fuzz target: the property-list files the options read. The first byte picks the reader, the
// rest is the file: the bundle's printer list, the user's printer address list, the preference
// domain of the options (read by a controller, then written over with the broken file set
// aside), or the bundle's media-types list (applied to the ticket's media quality).
#include <cups/ppd.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "options/CCorvelOptions.h"
#include "options/CModelInfo.h"
#include "options/store/KTVQuillonPrinterPList.h"
#include "options/store/PrinterListFile.h"
#include "platform/FileIO.h"
#include "platform/Preferences.h"
#include "platform/PropertyList.h"
#include "platform/UserFolders.h"

namespace fs = std::filesystem;

namespace {

// A HOME of the process's own for the user's files, removed when the process ends.
class FuzzHome {
 public:
  FuzzHome() {
    std::string name = (fs::temp_directory_path() / "corvel-fuzz-home-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) std::abort();
    mPath = name;
    setenv("HOME", name.c_str(), 1);
    fs::create_directories(UserPreferencesFolder());
  }
  ~FuzzHome() {
    std::error_code error;
    fs::remove_all(mPath, error);
  }
  const fs::path& Path() const { return mPath; }

 private:
  fs::path mPath;
};

const FuzzHome& Home() {
  static const FuzzHome home;
  return home;
}

// A controller as the frame makes it, with the bundled printer description; made once.
CCorvelOptions& Controller() {
  static const std::unique_ptr<CCorvelOptions> controller = [] {
    std::unique_ptr<CCorvelOptions> made(CCorvelOptions::CreateInstance(nullptr, false));
    made->mCupsPPD.reset(ppdOpenFile(CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
    return made;
  }();
  return *controller;
}

void ReadPrinterList(std::string_view file) {
  const fs::path contents = Home().Path() / "Contents";
  fs::create_directories(contents);
  if (WriteFileAtomically(contents / "PrinterList.plist", file) != noErr) return;
  const PrinterListFile list(contents);
  FUZZ_CHECK(list.IsValid() || list.mPrinterList.empty());
}

// Whatever the file holds, looking names up works, and an unreadable file is never replaced
// unless an address was added.
void ReadAddressList(std::string_view file) {
  const fs::path path = UserPreferencesFolder() / "KTV.QuillonPrinter.plist";
  if (WriteFileAtomically(path, file) != noErr) return;
  KTVQuillonPrinterPList list;
  for (const char* name : {"Corvel", "corvel", ""}) {
    bool found = false;
    list.Exists(name, found);
    FUZZ_CHECK(list.Find(name).has_value() == found);
    list.getIPEnabled(name);
  }
  std::string before;
  ReadFileContents(path, before);
  if (!list.Save()) {
    std::string after;
    ReadFileContents(path, after);
    FUZZ_CHECK(after == before);
  }
  list.Add("Corvel", "10.0.0.1", true);
  FUZZ_CHECK(list.Find("CORVEL") == std::optional<std::string>("10.0.0.1"));
}

// The controller reads the domain, then stores into it: a file that does not parse is kept
// beside the new one, byte for byte.
void ReadPreferences(std::string_view file) {
  CCorvelOptions& controller = Controller();
  const std::string& domain = CModelInfo::GetCorvelPrefName();
  const fs::path path = PreferencesFileForDomain(domain);
  FUZZ_CHECK(!path.empty());
  fs::path aside = fs::path(path) += ".corrupt";
  std::error_code error;
  fs::remove(aside, error);
  if (WriteFileAtomically(path, file) != noErr) return;
  SynchronizePreferences(domain);
  controller.SetCorvelOptionsInUI(All_CorvelOptions, PreferencesOptions);
  const std::optional<PlistValue> root = PropertyListFromData(file);
  CFPreferencesSetAppValue("KTDuplex", PlistValue(int64_t(1)), domain);
  if (SynchronizePreferences(domain) != noErr || (root && root->GetDictionary())) return;
  std::string keptAside;
  FUZZ_CHECK(ReadFileContents(aside, keptAside) == noErr);
  FUZZ_CHECK(keptAside == file);
}

void ReadMediaTypes(std::string_view file) {
  CCorvelOptions& controller = Controller();
  controller.mMediaDict = PropertyListFromData(file);
  for (int16_t type : {1, 2, 5}) {
    controller.mCorvelOptionsData.paperTypeMenuSelection = type;
    controller.mCorvelOptionsData.mediaQualityMenuSelection = int16_t(type - 2);
    PMPPDDict dict;
    controller.SetCorvelPPDDict(Page_CorvelOptions, &dict);
    FUZZ_CHECK(dict.count("KTMediaType") == 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  Home();
  const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 4) {
    case 0:
      ReadPrinterList(file);
      break;
    case 1:
      ReadAddressList(file);
      break;
    case 2:
      ReadPreferences(file);
      break;
    default:
      ReadMediaTypes(file);
      break;
  }
  return 0;
}
