#include "AgentCommandLine.h"

#include <sstream>

ScannedCommandLine::Outcome ParseAgentCommandLine(int argc, char** argv, AgentCommandLine* line,
                                                  std::string* error) {
  const CommandLineOption options[] = {
      {"dialog-command", 0, true,
       [line](const char* command, std::string* error) {
         line->dialogCommand = SplitDialogCommand(command);
         if (line->dialogCommand.empty()) *error = "--dialog-command needs a program";
         return !line->dialogCommand.empty();
       }},
  };
  ScannedCommandLine scanned = ScanCommandLine(argc, argv, options);
  *error = scanned.mistake;
  if (scanned.outcome != ScannedCommandLine::Outcome::Scanned || scanned.operands.empty())
    return scanned.outcome;
  *error = "unexpected argument " + scanned.operands.front();
  return ScannedCommandLine::Outcome::Mistake;
}

std::vector<std::string> SplitDialogCommand(const std::string& command) {
  std::istringstream words(command);
  std::vector<std::string> parts;
  for (std::string word; words >> word;) parts.push_back(word);
  return parts;
}
