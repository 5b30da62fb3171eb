#include "platform/ResourceMap.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "platform/PropertyList.h"
#include "platform/TextEncoding.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kResourceMapSuffix = ".rsrc.plist";
constexpr std::string_view kStringListType = "STR#";

using ResourceKey = std::pair<std::string, std::string>;  // type, decimal ID or name
using Resources = std::map<ResourceKey, PlistValue>;

struct OpenMap {
  ResFileRefNum refNum;
  CFBundleRef bundle;
  Resources resources;
};

struct ResourceState {
  std::mutex mutex;
  std::vector<OpenMap> maps;  // in opening order; the chain runs from the current one backwards
  ResFileRefNum current = kSystemResFile;
  ResFileRefNum nextRefNum = 1;
  OSErr lastError = noErr;
};

ResourceState& State() {
  static ResourceState state;
  return state;
}

std::vector<fs::path> ResourceMapFiles(const Bundle& bundle) {
  std::vector<fs::path> folders = bundle.LanguageFolders();
  folders.push_back(bundle.ResourcesFolder());
  std::vector<fs::path> files;
  for (const fs::path& folder : folders) {
    std::vector<fs::path> inFolder;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
      std::string name = entry->path().filename().string();
      if (name.size() > kResourceMapSuffix.size() && name.ends_with(kResourceMapSuffix))
        inFolder.push_back(entry->path());
    }
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

// Adds the resources of one file that are not there yet. The read's status when the file cannot
// be read; kPropertyListMalformedErr when it is not a map of types to resources.
OSErr MergeResourceFile(const fs::path& file, Resources& resources) {
  PlistValue root;
  if (OSStatus status = ReadPropertyListFile(file, root); status != noErr) return status;
  if (!root.GetDictionary()) return kPropertyListMalformedErr;
  for (const auto& [typeName, ofType] : *root.GetDictionary()) {
    if (typeName.empty() || !ofType.GetDictionary()) return kPropertyListMalformedErr;
    for (const auto& [key, value] : *ofType.GetDictionary())
      resources.emplace(ResourceKey(typeName, key), value);
  }
  return noErr;
}

OSErr LoadResources(const Bundle& bundle, Resources& resources) {
  std::vector<fs::path> files = ResourceMapFiles(bundle);
  if (files.empty()) return resFNotFound;
  for (const fs::path& file : files)
    if (OSErr status = MergeResourceFile(file, resources); status != noErr) return status;
  return noErr;
}

ResFileRefNum AllocateRefNum(ResourceState& state) {
  auto inUse = [&](ResFileRefNum refNum) {
    return std::any_of(state.maps.begin(), state.maps.end(),
                       [&](const OpenMap& map) { return map.refNum == refNum; });
  };
  while (state.nextRefNum <= 0 || inUse(state.nextRefNum))
    state.nextRefNum =
        state.nextRefNum <= 0 || state.nextRefNum == INT16_MAX ? 1 : state.nextRefNum + 1;
  return state.nextRefNum++;
}

std::vector<OpenMap>::iterator FindMap(ResourceState& state, ResFileRefNum refNum) {
  return std::find_if(state.maps.begin(), state.maps.end(),
                      [&](const OpenMap& map) { return map.refNum == refNum; });
}

// The resource in the current map, and (with `chain`) in the maps opened before it.
const PlistValue* FindResource(ResourceState& state, const ResourceKey& key, bool chain) {
  auto current = FindMap(state, state.current);
  const PlistValue* found = nullptr;
  if (current != state.maps.end()) {
    for (auto map = std::make_reverse_iterator(current + 1); map != state.maps.rend() && !found;
         ++map) {
      auto resource = map->resources.find(key);
      if (resource != map->resources.end()) found = &resource->second;
      if (!chain) break;
    }
  }
  state.lastError = found ? noErr : resNotFound;
  return found;
}

std::optional<std::vector<uint8_t>> ResourceBytes(const ResourceKey& key, bool chain) {
  ResourceState& state = State();
  std::lock_guard lock(state.mutex);
  const PlistValue* resource = FindResource(state, key, chain);
  if (!resource) return std::nullopt;
  if (const PlistValue::Data* data = resource->GetData()) return *data;
  std::string xml = PropertyListToXML(*resource);
  return std::vector<uint8_t>(xml.begin(), xml.end());
}

std::string StringListEntry(int16_t listID, int16_t index) {
  ResourceState& state = State();
  std::lock_guard lock(state.mutex);
  const PlistValue* list =
      FindResource(state, {std::string(kStringListType), std::to_string(listID)}, true);
  const PlistValue::Array* entries = list ? list->GetArray() : nullptr;
  if (!entries || index < 1 || size_t(index) > entries->size() ||
      !(*entries)[index - 1].GetString()) {
    state.lastError = resNotFound;
    return {};
  }
  const std::string& text = *(*entries)[index - 1].GetString();
  return FromUTF8(text, kTextEncodingMacRoman).value_or(text);
}

}  // namespace

ResFileRefNum CFBundleOpenBundleResourceMap(CFBundleRef bundle) {
  ResourceState& state = State();
  Resources resources;
  OSErr status = bundle ? LoadResources(*bundle, resources) : paramErr;
  std::lock_guard lock(state.mutex);
  state.lastError = status;
  if (status != noErr) return kResFileNotOpened;
  ResFileRefNum refNum = AllocateRefNum(state);
  state.maps.push_back({refNum, bundle, std::move(resources)});
  state.current = refNum;
  return refNum;
}

void CFBundleCloseBundleResourceMap(CFBundleRef bundle, ResFileRefNum refNum) {
  ResourceState& state = State();
  std::lock_guard lock(state.mutex);
  auto map = FindMap(state, refNum);
  if (map == state.maps.end() || map->bundle != bundle) {
    state.lastError = resFNotFound;
    return;
  }
  if (state.current == refNum)
    state.current = map == state.maps.begin() ? kSystemResFile : (map - 1)->refNum;
  state.maps.erase(map);
  state.lastError = noErr;
}

ResFileRefNum CurResFile() {
  ResourceState& state = State();
  std::lock_guard lock(state.mutex);
  return state.current;
}

void UseResFile(ResFileRefNum refNum) {
  ResourceState& state = State();
  std::lock_guard lock(state.mutex);
  bool known = refNum == kSystemResFile || FindMap(state, refNum) != state.maps.end();
  if (known) state.current = refNum;
  state.lastError = known ? noErr : resFNotFound;
}

OSErr ResError() {
  ResourceState& state = State();
  std::lock_guard lock(state.mutex);
  return state.lastError;
}

void GetIndString(unsigned char* theString, int16_t strListID, int16_t index) {
  if (!theString) return;
  std::string text = StringListEntry(strListID, index);
  size_t length = std::min<size_t>(text.size(), 255);
  theString[0] = uint8_t(length);
  std::memcpy(theString + 1, text.data(), length);
}

std::optional<std::vector<uint8_t>> GetNamedResource(OSType type, std::string_view name) {
  return GetNamedResource(FourCCToString(type), name);
}

std::optional<std::vector<uint8_t>> Get1NamedResource(OSType type, std::string_view name) {
  return Get1NamedResource(FourCCToString(type), name);
}

std::optional<std::vector<uint8_t>> GetNamedResource(std::string_view type, std::string_view name) {
  return ResourceBytes({std::string(type), std::string(name)}, true);
}

std::optional<std::vector<uint8_t>> Get1NamedResource(std::string_view type,
                                                      std::string_view name) {
  return ResourceBytes({std::string(type), std::string(name)}, false);
}
