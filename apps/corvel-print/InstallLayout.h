#pragma once
// Where the program finds what it ships with: installed, beside it in <prefix>/lib/corvel; run
// from the build tree, in the places the build put them.
#include <filesystem>

// `name` in the installed library folder next to the running program when `name/probe` exists
// there (the file itself when `probe` is empty), else `built`.
std::filesystem::path InstalledOrBuilt(const std::filesystem::path& name,
                                       const std::filesystem::path& built,
                                       const std::filesystem::path& probe = {},
                                       const char* argv0 = nullptr);
