#pragma once
// The command line of corvel-agent:
//   corvel-agent [--dialog-command CMD] [--help]
#include <string>
#include <vector>

#include "CommandLineOptions.h"

struct AgentCommandLine {
  std::vector<std::string> dialogCommand;  // empty: corvel-print beside the agent, else on PATH
};

inline constexpr const char* kAgentUsageText =
    "usage: corvel-agent [--dialog-command CMD] [--help]\n"
    "Opens the Corvel Print dialog for each of your print jobs that a Corvel queue holds, one\n"
    "dialog after another in job order. Each held job is offered once per agent run: a job still\n"
    "held when its dialog ends is offered again at the agent's next start, or by running\n"
    "corvel-print --job ID yourself. Only one agent runs for each user.\n"
    "  --dialog-command CMD  the program that shows a job's dialog, split at spaces into the\n"
    "                        program and its arguments; \"--job ID -P QUEUE\" is appended for\n"
    "                        each job (default: the corvel-print installed beside the agent,\n"
    "                        else corvel-print from PATH)\n"
    "  --help                this text\n";

// Fills `line`; Help for --help, Mistake with the reason in `error` for an unknown option, a
// missing value, an empty command or an operand.
ScannedCommandLine::Outcome ParseAgentCommandLine(int argc, char** argv, AgentCommandLine* line,
                                                  std::string* error);

// `command` split at spaces (runs of spaces count as one) into a program and its arguments.
std::vector<std::string> SplitDialogCommand(const std::string& command);
