#pragma once
// The command line of corvel-print:
//   corvel-print [-P QUEUE] [--bundle PATH] [--headless] [--dry-run]
//                [--set SIG/N=VALUE]... [--type SIG/N=TEXT]... [--click SIG/N]...
//                [--answer WINDOW=COMMAND[:SIG/N=TEXT,...]]... FILE...
//   corvel-print --job ID [-P QUEUE] [the same options]...
// With --job the dialog is for a job already held in CUPS (an application printed it to a queue
// that holds new jobs): Print sets the options on the job and releases it, Cancel cancels it.
#include <filesystem>
#include <string>
#include <vector>

#include "CommandLineOptions.h"
#include "HeadlessScript.h"

struct CommandLine {
  std::string queue;  // empty: the CUPS default destination, or the held job's queue
  int job = 0;        // the held job the dialog is for; 0: the dialog prints `files`
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
    "                    [--answer WINDOW=COMMAND[:SIG/N=TEXT,...]] FILE...\n"
    "       corvel-print --job ID [-P QUEUE] [the same options]\n"
    "Shows the Corvel Print dialog for the CUPS queue QUEUE (the default destination when -P\n"
    "is left out) and prints the FILEs as one job, or, with --job, the held job ID. Without a\n"
    "display or with --headless no window opens and the --set, --type, --click and --answer\n"
    "steps act on the dialog in the order given; --dry-run reports the job as JSON\n"
    "instead of printing it.\n";

// Fills `line`; Help for --help, Mistake with the reason in `error` for an unknown option, a
// missing or bad value, no file, or a file given with --job.
ScannedCommandLine::Outcome ParseCommandLine(int argc, char** argv, CommandLine* line,
                                             std::string* error);
