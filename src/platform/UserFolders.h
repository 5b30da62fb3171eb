#pragma once
// The current user's folders.
#include <filesystem>

// $HOME, or the account's home folder from the user database when HOME is unset or empty.
std::filesystem::path UserHomeDirectory();

// <home>/Library/Preferences: where preference domains and per-user property lists live.
std::filesystem::path UserPreferencesFolder();
