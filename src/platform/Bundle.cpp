#include "platform/Bundle.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

#include "platform/Language.h"
#include "platform/PropertyList.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefaultStringTable = "Localizable";

struct BundleRegistry {
  std::mutex mutex;
  std::vector<fs::path> registeredFolders;
  std::map<fs::path, std::unique_ptr<Bundle>> open;  // by canonical folder
};

BundleRegistry& Registry() {
  static BundleRegistry registry;
  return registry;
}

bool IsBundleFolder(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / "Contents" / "Info.plist", error);
}

// The bundles a search folder stands for: itself, or its sub-folders that are bundles.
std::vector<fs::path> BundlesIn(const fs::path& folder) {
  if (IsBundleFolder(folder)) return {folder};
  std::vector<fs::path> bundles;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error))
    if (IsBundleFolder(entry->path())) bundles.push_back(entry->path());
  std::sort(bundles.begin(), bundles.end());
  return bundles;
}

// The folder this library was loaded from, or empty. Installed, the bundles sit beside it.
fs::path LibraryFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&IsBundleFolder), &info) == 0 || !info.dli_fname) return {};
  return fs::path(info.dli_fname).parent_path();
}

bool LeavesFolder(std::string_view relative) {
  for (const fs::path& part : fs::path(relative))
    if (part == ".." || part.is_absolute()) return true;
  return false;
}

std::optional<fs::path> ExistingFile(const fs::path& file) {
  std::error_code error;
  if (fs::is_regular_file(file, error)) return file;
  return std::nullopt;
}

}  // namespace

std::unique_ptr<Bundle> Bundle::Open(const fs::path& folder) {
  PlistValue info;
  if (ReadPropertyListFile(folder / "Contents" / "Info.plist", info) != noErr ||
      !info.GetDictionary())
    return nullptr;
  return std::unique_ptr<Bundle>(new Bundle(folder, std::move(info)));
}

std::optional<std::string> Bundle::Identifier() const {
  const PlistValue* identifier = mInfo.Find("CFBundleIdentifier");
  if (!identifier || !identifier->GetString()) return std::nullopt;
  return *identifier->GetString();
}

std::vector<fs::path> Bundle::LanguageFolders() const {
  std::vector<fs::path> folders;
  std::error_code error;
  for (const std::string& language : PreferredLanguages()) {
    fs::path folder = ResourcesFolder() / (language + ".lproj");
    if (fs::is_directory(folder, error)) folders.push_back(folder);
  }
  return folders;
}

const PlistValue* Bundle::StringTable(const fs::path& file) const {
  std::lock_guard lock(mTablesMutex);
  auto found = mTables.find(file);
  if (found == mTables.end()) {
    auto table = std::make_unique<PlistValue>();
    if (ReadPropertyListFile(file, *table) != noErr || !table->GetDictionary()) table.reset();
    found = mTables.emplace(file, std::move(table)).first;
  }
  return found->second.get();
}

std::optional<std::string> Bundle::LocalizedString(std::string_view key,
                                                   std::string_view table) const {
  std::string fileName = std::string(table) + ".strings";
  std::vector<fs::path> folders = LanguageFolders();
  folders.push_back(ResourcesFolder());
  for (const fs::path& folder : folders) {
    const PlistValue* strings = StringTable(folder / fileName);
    const PlistValue* entry = strings ? strings->Find(key) : nullptr;
    if (entry && entry->GetString()) return *entry->GetString();
  }
  return std::nullopt;
}

void RegisterBundleFolder(const fs::path& folder) {
  BundleRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  if (std::find(registry.registeredFolders.begin(), registry.registeredFolders.end(), folder) ==
      registry.registeredFolders.end())
    registry.registeredFolders.push_back(folder);
}

std::vector<fs::path> BundleSearchFolders() {
  std::vector<fs::path> folders;
  {
    BundleRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    folders = registry.registeredFolders;
  }
  std::string_view list =
      std::getenv("CORVEL_BUNDLE_PATH") ? std::getenv("CORVEL_BUNDLE_PATH") : "";
  while (!list.empty()) {
    size_t colon = list.find(':');
    if (colon != 0) folders.emplace_back(list.substr(0, colon));
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  if (fs::path installed = LibraryFolder(); !installed.empty()) folders.push_back(installed);
  folders.emplace_back(CORVEL_DEFAULT_BUNDLE_FOLDER);
  return folders;
}

CFBundleRef CFBundleCreate(const fs::path& folder) {
  std::error_code error;
  fs::path canonical = fs::weakly_canonical(folder, error);
  if (error) return nullptr;
  BundleRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.open.find(canonical);
  if (found != registry.open.end()) return found->second.get();
  std::unique_ptr<Bundle> bundle = Bundle::Open(canonical);
  if (!bundle) return nullptr;
  return registry.open.emplace(canonical, std::move(bundle)).first->second.get();
}

CFBundleRef CFBundleGetBundleWithIdentifier(std::string_view identifier) {
  for (const fs::path& folder : BundleSearchFolders())
    for (const fs::path& candidate : BundlesIn(folder)) {
      CFBundleRef bundle = CFBundleCreate(candidate);
      if (bundle && bundle->Identifier() == identifier) return bundle;
    }
  return nullptr;
}

const PlistValue* CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, std::string_view key) {
  return bundle ? bundle->InfoDictionary().Find(key) : nullptr;
}

std::optional<fs::path> CFBundleCopyExecutableURL(CFBundleRef bundle) {
  const PlistValue* executable = CFBundleGetValueForInfoDictionaryKey(bundle, "CFBundleExecutable");
  const std::string* name = executable ? executable->GetString() : nullptr;
  if (!name || name->empty() || name->find('/') != std::string::npos || LeavesFolder(*name))
    return std::nullopt;
  return bundle->ContentsFolder() / "Linux" / (*name + ".so");
}

std::optional<fs::path> CFBundleCopyResourceURL(CFBundleRef bundle, std::string_view name,
                                                std::string_view type, std::string_view subDir) {
  if (!bundle || name.empty() || LeavesFolder(name) || LeavesFolder(subDir)) return std::nullopt;
  fs::path relative =
      fs::path(subDir) /
      (type.empty() ? std::string(name) : std::string(name) + "." + std::string(type));
  if (auto global = ExistingFile(bundle->ResourcesFolder() / relative)) return global;
  for (const fs::path& folder : bundle->LanguageFolders())
    if (auto localized = ExistingFile(folder / relative)) return localized;
  return std::nullopt;
}

std::string CFBundleCopyLocalizedString(CFBundleRef bundle, std::string_view key,
                                        std::string_view value, std::string_view table) {
  if (bundle) {
    if (auto localized = bundle->LocalizedString(key, table.empty() ? kDefaultStringTable : table))
      return *localized;
  }
  return std::string(value.empty() ? key : value);
}

std::string CFCopyLocalizedStringFromTableInBundle(std::string_view key, std::string_view table,
                                                   CFBundleRef bundle) {
  return CFBundleCopyLocalizedString(bundle, key, key, table);
}
