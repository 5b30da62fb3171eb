#pragma once
// Bundles: folders <Name>.plugin holding Contents/Info.plist and Contents/Resources/, with
// localized files in Contents/Resources/<language>.lproj/ and string tables as property-list
// dictionaries in Contents/Resources/<language>.lproj/<Table>.strings.
//
// Finding bundles by identifier: the bundles in the registered bundle folders are searched, in
// this order: folders passed to RegisterBundleFolder (in registration order), the folders of the
// CORVEL_BUNDLE_PATH environment variable (colon-separated), the folder this library was loaded
// from (installed, lib/corvel) and the build's bundle folder (build/bundle). A bundle folder is
// either a bundle itself or a folder whose sub-folders are bundles. A bundle, once opened, stays
// open for the life of the process, so bundle handles (CFBundleRef) never dangle.
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlistValue.h"

class Bundle {
 public:
  // The bundle at `folder`, or null when it holds no readable Contents/Info.plist dictionary.
  static std::unique_ptr<Bundle> Open(const std::filesystem::path& folder);

  std::filesystem::path ContentsFolder() const { return mFolder / "Contents"; }
  std::filesystem::path ResourcesFolder() const { return ContentsFolder() / "Resources"; }
  const PlistValue& InfoDictionary() const { return mInfo; }
  std::optional<std::string> Identifier() const;

  // The existing <language>.lproj folders for the preferred languages, best first.
  std::vector<std::filesystem::path> LanguageFolders() const;

  // The string of `key` in string table `table`, searched in the language folders and then in
  // Resources itself; nullopt when no table has it.
  std::optional<std::string> LocalizedString(std::string_view key, std::string_view table) const;

 private:
  Bundle(std::filesystem::path folder, PlistValue info)
      : mFolder(std::move(folder)), mInfo(std::move(info)) {}
  const PlistValue* StringTable(const std::filesystem::path& file) const;

  std::filesystem::path mFolder;
  PlistValue mInfo;
  mutable std::mutex mTablesMutex;
  // Parsed string tables by file; null for a missing or unreadable table.
  mutable std::map<std::filesystem::path, std::unique_ptr<PlistValue>> mTables;
};

using CFBundleRef = Bundle*;

// Adds a folder to search for bundles (see above).
void RegisterBundleFolder(const std::filesystem::path& folder);
// The folders searched for bundles, in search order.
std::vector<std::filesystem::path> BundleSearchFolders();

// The bundle with this identifier in the bundle folders; null when there is none.
CFBundleRef CFBundleGetBundleWithIdentifier(std::string_view identifier);
// The bundle at `folder` (opened once; the same handle for the same folder); null when the
// folder is not a bundle.
CFBundleRef CFBundleCreate(const std::filesystem::path& folder);

// One entry of the information dictionary; null when absent.
const PlistValue* CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, std::string_view key);
// The bundle's shared object: Contents/Linux/<CFBundleExecutable>.so; nullopt for a null bundle,
// a missing or unsafe (path-leaving) executable name.
std::optional<std::filesystem::path> CFBundleCopyExecutableURL(CFBundleRef bundle);

// A resource file by name: "<name>.<type>" (just `name` when `type` is empty), optionally in
// sub-folder `subDir` of the resources. Global resources come first, then the language folders.
// nullopt when it is not found or the name would leave the bundle ("..").
std::optional<std::filesystem::path> CFBundleCopyResourceURL(CFBundleRef bundle,
                                                             std::string_view name,
                                                             std::string_view type = {},
                                                             std::string_view subDir = {});

// The localized string of `key` in string table `table` ("Localizable" when empty). When the
// key is missing: `value` when it is not empty, else the key itself.
std::string CFBundleCopyLocalizedString(CFBundleRef bundle, std::string_view key,
                                        std::string_view value, std::string_view table);
// The same with the key as the default value.
std::string CFCopyLocalizedStringFromTableInBundle(std::string_view key, std::string_view table,
                                                   CFBundleRef bundle);
