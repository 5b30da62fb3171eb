#pragma once
// The command line of corvel-print:
//   corvel-print [-P QUEUE] [--bundle PATH] [--headless] [--dry-run]
//                [--set SIG/N=VALUE]... [--type SIG/N=TEXT]... [--click SIG/N]...
//                [--answer WINDOW=COMMAND[:SIG/N=TEXT,...]]... FILE...
#include <filesystem>
#include <string>
#include <vector>

#include "HeadlessScript.h"

struct CommandLine {
  std::string queue;  // empty: the CUPS default destination
  std::filesystem::path bundle;
  bool headless = false;
  bool dryRun = false;
  std::vector<ScriptStep> steps;  // in the order given
  std::vector<ModalAnswer> answers;
  std::vector<std::filesystem::path> files;
};

inline constexpr const char* kUsageText =
    "usage: corvel-print [-P QUEUE] [--bundle PATH] [--headless] [--dry-run]\n"
    "                    [--set SIG/N=VALUE] [--type SIG/N=TEXT] [--click SIG/N]\n"
    "                    [--answer WINDOW=COMMAND[:SIG/N=TEXT,...]] FILE...\n";

// False with the reason in `error` for an unknown option, a missing value or no file.
bool ParseCommandLine(int argc, char** argv, CommandLine* line, std::string* error);
