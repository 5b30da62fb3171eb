#include "platform/Preferences.h"

#include <stdio.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <mutex>

#include "platform/FileIO.h"
#include "platform/PropertyList.h"
#include "platform/UserFolders.h"
#include "support/Logging.h"

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

// What the domain's file holds: its keys, or why there are none (fnfErr: no file yet;
// kPropertyListMalformedErr: not a dictionary list; permErr, ioErr: it cannot be read).
struct StoredFile {
  OSStatus status = noErr;
  PlistValue::Dictionary keys;
};

StoredFile ReadStoredFile(const fs::path& file) {
  PlistValue root;
  OSStatus status = ReadPropertyListFile(file, root);
  if (status == noErr && !root.GetDictionary()) status = kPropertyListMalformedErr;
  if (status != noErr) return {status, {}};
  return {noErr, std::move(*root.GetDictionary())};
}

// Moves a file that cannot be parsed to <file>.corrupt, so that writing a new one loses nothing.
OSStatus SetAsideCorruptFile(const fs::path& file) {
  fs::path aside = fs::path(file) += ".corrupt";
  if (::rename(file.c_str(), aside.c_str()) != 0) {
    trace_log(0, "Preferences: unparsable file not replaced, cannot rename: %s\n", file.c_str());
    return ioErr;
  }
  // The log line holds 255 characters: the suffix comes before the path, which may be cut.
  trace_log(0, "Preferences: unparsable file kept with suffix .corrupt: %s\n", file.c_str());
  return noErr;
}

// Whether synchronising may write over what is on disk: a missing file may be created, one that
// cannot be parsed is first set aside, one that cannot be read is never replaced.
OSStatus PrepareToReplace(const fs::path& file, OSStatus storedStatus) {
  switch (storedStatus) {
    case noErr:
    case fnfErr:
      return noErr;
    case kPropertyListMalformedErr:
      return SetAsideCorruptFile(file);
    default:
      trace_log(0, "Preferences: unreadable file (%d) not replaced: %s\n", int(storedStatus),
                file.c_str());
      return storedStatus;
  }
}

void ApplyChanges(const DomainState& state, PlistValue::Dictionary& keys) {
  for (const auto& [key, value] : state.changes) {
    if (value)
      keys.insert_or_assign(key, *value);
    else
      keys.erase(key);
  }
}

// The state of the domain, loaded from its file on first use. Caller holds gDomainsMutex.
DomainState& StateOf(const fs::path& file) {
  auto found = gDomains.find(file);
  if (found != gDomains.end()) return found->second;
  DomainState& state = gDomains[file];
  state.stored = ReadStoredFile(file).keys;  // reading never fails: no file, no keys
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
  return SynchronizePreferences(appID) == noErr;
}

OSStatus SynchronizePreferences(std::string_view appID) {
  fs::path file = PreferencesFileForDomain(appID);
  if (file.empty()) return paramErr;
  std::lock_guard lock(gDomainsMutex);
  DomainState& state = StateOf(file);

  FileLock fileLock(fs::path(file) += ".lock");
  if (!fileLock.Locked()) return ioErr;
  StoredFile onDisk = ReadStoredFile(file);
  if (!state.changes.empty()) {
    if (OSStatus status = PrepareToReplace(file, onDisk.status); status != noErr) return status;
    ApplyChanges(state, onDisk.keys);
    if (OSStatus status = WritePropertyListFile(file, PlistValue(onDisk.keys)); status != noErr)
      return status;
  } else if (onDisk.status == permErr || onDisk.status == ioErr) {
    return onDisk.status;  // nothing to write, and nothing could be reloaded either
  }
  state.stored = std::move(onDisk.keys);
  state.changes.clear();
  return noErr;
}
