#pragma once
// Per-user preference domains (the application-preferences calls of the platform).
//
// A domain is stored as <home>/Library/Preferences/<domain>.plist, an XML property list whose
// root is a dictionary. Values set in this process stay in memory until the domain is
// synchronised; reads see this process's unsynchronised changes over what the file held at
// the last synchronisation (or first use). Synchronising takes an exclusive lock on
// <domain>.plist.lock, re-reads the file, applies this process's changes on top and replaces the
// file atomically, so two processes that synchronise the same domain keep each other's keys
// (for a key both changed, the last synchronisation wins).
//
// A domain name must be a plain file name (not empty, no '/', not "." or ".."); calls with any
// other name read nothing, store nothing and fail to synchronise.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PlistValue.h"
#include "platform/Status.h"

// The value stored under `key`, or nullopt.
std::optional<PlistValue> CFPreferencesCopyAppValue(std::string_view key, std::string_view appID);

// Sets `key` to `value`; std::nullopt removes the key. Reaches the disk at the next synchronise.
void CFPreferencesSetAppValue(std::string_view key, std::optional<PlistValue> value,
                              std::string_view appID);

// The value of `key` as an integer. Integers and strings of decimal digits are valid;
// `keyExistsAndHasValidFormat` (may be null) tells whether the key exists and was valid.
// 0 when it was not.
int64_t CFPreferencesGetAppIntegerValue(std::string_view key, std::string_view appID,
                                        bool* keyExistsAndHasValidFormat);

// The value of `key` as a boolean. Booleans, integers (non-zero is true) and the strings
// "true"/"yes"/"false"/"no" (any case) are valid. false when the key is missing or invalid.
bool CFPreferencesGetAppBooleanValue(std::string_view key, std::string_view appID,
                                     bool* keyExistsAndHasValidFormat);

// The value of `key` when it is a string; nullopt when it is missing or of another kind.
std::optional<std::string> CFPreferencesGetAppStringValue(std::string_view key,
                                                          std::string_view appID);

// Writes this process's changes to the domain's file and reloads what other processes wrote.
// A file that cannot be parsed is first renamed to <file>.corrupt (and logged); a file that
// cannot be read (permission, I/O error, a folder) is never replaced. Returns noErr, paramErr
// for an invalid domain name, or the status of the read or write that failed; on failure the
// changes are kept for the next attempt.
OSStatus SynchronizePreferences(std::string_view appID);
// The same, as the platform's call answers it: true when SynchronizePreferences gives noErr.
bool CFPreferencesAppSynchronize(std::string_view appID);

// The file a domain is stored in; empty for an invalid domain name.
std::filesystem::path PreferencesFileForDomain(std::string_view appID);
