// A second process for the preference tests. Usage:
//   platform_preferences_peer <domain> <step>...
// Steps: set:<key>=<text>   sync
#include <string>

#include "platform/Preferences.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string domain = argv[1];
  for (int i = 2; i < argc; ++i) {
    std::string step = argv[i];
    std::string argument = step.substr(step.find(':') + 1);
    std::string key = argument.substr(0, argument.find('='));
    std::string value = argument.substr(argument.find('=') + 1);
    if (step.starts_with("set:"))
      CFPreferencesSetAppValue(key, value, domain);
    else if (step == "sync" && !CFPreferencesAppSynchronize(domain))
      return 1;
  }
  return 0;
}
