#include "platform/Language.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

void AddOnce(std::vector<std::string>& languages, std::string language) {
  if (!language.empty() &&
      std::find(languages.begin(), languages.end(), language) == languages.end())
    languages.push_back(std::move(language));
}

// "pt_BR.UTF-8@euro" adds "pt_BR" and "pt".
void AddLocaleName(std::vector<std::string>& languages, std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return;
  AddOnce(languages, std::string(name));
  AddOnce(languages, std::string(name.substr(0, name.find_first_of("_-"))));
}

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::vector<std::string> PreferredLanguages() {
  std::vector<std::string> languages;
  std::string_view list = Environment("LANGUAGE");
  while (!list.empty()) {
    size_t colon = list.find(':');
    AddLocaleName(languages, list.substr(0, colon));
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  AddLocaleName(languages, Environment("LANG"));
  AddOnce(languages, "en");
  return languages;
}
