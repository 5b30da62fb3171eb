#include "platform/Preferences.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <mutex>

#include "platform/FileIO.h"
#include "platform/PropertyList.h"
#include "platform/UserFolders.h"

namespace fs = std::filesystem;

namespace {

// One domain as this process sees it: the file's contents at the last synchronisation and the
// changes made since (nullopt marks a removed key).
struct DomainState {
  PlistValue::Dictionary stored;
  std::map<std::string, std::optional<PlistValue>, std::less<>> changes;
};

std::mutex gDomainsMutex;
std::map<fs::path, DomainState> gDomains;  // keyed by file, so a changed HOME is a new domain

bool ValidDomainName(std::string_view appID) {
  return !appID.empty() && appID != "." && appID != ".." &&
         appID.find('/') == std::string_view::npos && appID.find('\0') == std::string_view::npos;
}

PlistValue::Dictionary ReadStoredDictionary(const fs::path& file) {
  PlistValue root;
  if (ReadPropertyListFile(file, root) != noErr || !root.GetDictionary()) return {};
  return std::move(*root.GetDictionary());
}

// The state of the domain, loaded from its file on first use. Caller holds gDomainsMutex.
DomainState& StateOf(const fs::path& file) {
  auto found = gDomains.find(file);
  if (found != gDomains.end()) return found->second;
  DomainState& state = gDomains[file];
  state.stored = ReadStoredDictionary(file);
  return state;
}

std::optional<PlistValue> CurrentValue(const DomainState& state, std::string_view key) {
  if (auto changed = state.changes.find(key); changed != state.changes.end())
    return changed->second;
  if (auto stored = state.stored.find(key); stored != state.stored.end()) return stored->second;
  return std::nullopt;
}

std::optional<int64_t> ParseDecimal(std::string_view text) {
  int64_t number = 0;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::optional<int64_t> IntegerOf(const PlistValue& value) {
  if (auto number = value.GetInteger()) return number;
  if (const std::string* text = value.GetString()) return ParseDecimal(*text);
  return std::nullopt;
}

std::optional<bool> BooleanOf(const PlistValue& value) {
  if (auto flag = value.GetBoolean()) return flag;
  if (auto number = value.GetInteger()) return *number != 0;
  const std::string* text = value.GetString();
  if (!text) return std::nullopt;
  std::string lower(*text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  if (lower == "true" || lower == "yes") return true;
  if (lower == "false" || lower == "no") return false;
  return std::nullopt;
}

template <typename T>
T ReportValidity(const std::optional<T>& result, bool* keyExistsAndHasValidFormat) {
  if (keyExistsAndHasValidFormat) *keyExistsAndHasValidFormat = result.has_value();
  return result.value_or(T{});
}

}  // namespace

fs::path PreferencesFileForDomain(std::string_view appID) {
  if (!ValidDomainName(appID)) return {};
  return UserPreferencesFolder() / (std::string(appID) + ".plist");
}

std::optional<PlistValue> CFPreferencesCopyAppValue(std::string_view key, std::string_view appID) {
  fs::path file = PreferencesFileForDomain(appID);
  if (file.empty()) return std::nullopt;
  std::lock_guard lock(gDomainsMutex);
  return CurrentValue(StateOf(file), key);
}

void CFPreferencesSetAppValue(std::string_view key, std::optional<PlistValue> value,
                              std::string_view appID) {
  fs::path file = PreferencesFileForDomain(appID);
  if (file.empty()) return;
  std::lock_guard lock(gDomainsMutex);
  StateOf(file).changes.insert_or_assign(std::string(key), std::move(value));
}

int64_t CFPreferencesGetAppIntegerValue(std::string_view key, std::string_view appID,
                                        bool* keyExistsAndHasValidFormat) {
  auto value = CFPreferencesCopyAppValue(key, appID);
  return ReportValidity(value ? IntegerOf(*value) : std::nullopt, keyExistsAndHasValidFormat);
}

bool CFPreferencesGetAppBooleanValue(std::string_view key, std::string_view appID,
                                     bool* keyExistsAndHasValidFormat) {
  auto value = CFPreferencesCopyAppValue(key, appID);
  return ReportValidity(value ? BooleanOf(*value) : std::nullopt, keyExistsAndHasValidFormat);
}

std::optional<std::string> CFPreferencesGetAppStringValue(std::string_view key,
                                                          std::string_view appID) {
  auto value = CFPreferencesCopyAppValue(key, appID);
  if (!value || !value->GetString()) return std::nullopt;
  return *value->GetString();
}

bool CFPreferencesAppSynchronize(std::string_view appID) {
  fs::path file = PreferencesFileForDomain(appID);
  if (file.empty()) return false;
  std::lock_guard lock(gDomainsMutex);
  DomainState& state = StateOf(file);

  FileLock fileLock(fs::path(file) += ".lock");
  if (!fileLock.Locked()) return false;
  PlistValue::Dictionary merged = ReadStoredDictionary(file);
  if (!state.changes.empty()) {
    for (auto& [key, value] : state.changes) {
      if (value)
        merged.insert_or_assign(key, *value);
      else
        merged.erase(key);
    }
    if (WritePropertyListFile(file, PlistValue(merged)) != noErr) return false;
  }
  state.stored = std::move(merged);
  state.changes.clear();
  return true;
}
