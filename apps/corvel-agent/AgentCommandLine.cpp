#include "AgentCommandLine.h"

#include <getopt.h>

#include <sstream>

bool ParseAgentCommandLine(int argc, char** argv, AgentCommandLine* line, std::string* error) {
  enum { kDialogCommand = 1, kHelp };
  static const option kOptions[] = {{"dialog-command", required_argument, nullptr, kDialogCommand},
                                    {"help", no_argument, nullptr, kHelp},
                                    {nullptr, 0, nullptr, 0}};
  opterr = 0;  // the caller words the error
  optind = 0;  // a fresh scan each call
  for (int code; (code = getopt_long(argc, argv, ":", kOptions, nullptr)) != -1;) {
    if (code == kHelp) {
      line->help = true;
    } else if (code == kDialogCommand) {
      line->dialogCommand = SplitDialogCommand(optarg);
      if (line->dialogCommand.empty()) {
        *error = "--dialog-command needs a program";
        return false;
      }
    } else {
      const std::string given = optind > 0 && optind <= argc ? argv[optind - 1] : "";
      *error = code == ':' ? given + " needs a value" : "unknown option " + given;
      return false;
    }
  }
  if (optind < argc) {
    *error = std::string("unexpected argument ") + argv[optind];
    return false;
  }
  return true;
}

std::vector<std::string> SplitDialogCommand(const std::string& command) {
  std::istringstream words(command);
  std::vector<std::string> parts;
  for (std::string word; words >> word;) parts.push_back(word);
  return parts;
}
