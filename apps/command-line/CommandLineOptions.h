#pragma once
// Every program of the project reads its command line the same way: getopt_long from the C
// library scans the options in the order given (operands may come between them; "--" ends the
// options), --help asks for the usage on standard output, and a mistake is said on standard error
// as "PROGRAM: WHAT" with a hint to --help, the program choosing its exit status.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CommandLineOption {
  const char* name;  // the long name, without "--", or null for none
  char letter;       // the short name ("-P"), or 0 for none
  bool takesValue;
  // Takes the option as found (value: null when it takes none); false with the reason in
  // `error` for a bad value.
  std::function<bool(const char* value, std::string* error)> take;
};

struct ScannedCommandLine {
  enum class Outcome { Scanned, Help, Mistake };
  Outcome outcome = Outcome::Scanned;
  std::vector<std::string> operands;  // in the order given
  std::string mistake;                // for Mistake: what was wrong
};

// Scans argv against `options` (and --help, which every program has), handing each option found
// to its `take` in the order given. Stops at the first mistake or at --help.
ScannedCommandLine ScanCommandLine(int argc, char** argv,
                                   std::span<const CommandLineOption> options);

// For a program that takes one operand (named `what`, as "FILE"): the mistake when the scan has
// found one or found other than one operand; empty when it has found just one.
std::string OneOperandMistake(const ScannedCommandLine& scanned, const char* what);

// Where a program's start ends for its command line: after --help (`outcome` Help), with the usage
// on standard output and status 0; after a mistake (non-empty), with "PROGRAM: MISTAKE" and
// "Try 'PROGRAM --help' for more information." on standard error and `mistakeStatus`; nullopt
// when the program goes on.
std::optional<int> EndAtHelpOrMistake(const char* program, const char* usage,
                                      ScannedCommandLine::Outcome outcome,
                                      const std::string& mistake, int mistakeStatus);
