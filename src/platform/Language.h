#pragma once
// The user's language, as the locale environment names it.
#include <string>
#include <vector>

// Language names to try, best first: each entry of LANGUAGE (a colon-separated list), then
// LANG; a name such as "pt_BR.UTF-8@euro" gives "pt_BR" and then "pt". "C" and "POSIX" name no
// language. "en" always comes last. No duplicates.
std::vector<std::string> PreferredLanguages();
