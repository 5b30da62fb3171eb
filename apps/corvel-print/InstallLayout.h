#pragma once
// Where the program finds what it ships with: installed, beside it in <prefix>/lib/corvel; run
// from the build tree, in the places the build put them.
#include <filesystem>

// `name` in the installed library folder next to the running program (whether or not it exists).
std::filesystem::path InstalledLibraryFile(const std::filesystem::path& name,
                                           const char* argv0 = nullptr);
