#include "CommandLineOptions.h"

#include <getopt.h>

#include <cstdio>

namespace {

constexpr int kFirstLongCode = 256;  // above every letter
constexpr const char* kHelp = "help";

// The option getopt_long stumbled on, as the user wrote it.
std::string GivenOption(int argc, char** argv) {
  if (optopt > 0 && optopt < kFirstLongCode) return std::string("-") + char(optopt);
  std::string given = optind > 0 && optind <= argc ? argv[optind - 1] : "";
  return given.substr(0, given.find('='));
}

}  // namespace

ScannedCommandLine ScanCommandLine(int argc, char** argv,
                                   std::span<const CommandLineOption> options) {
  std::vector<int> codes;  // getopt_long's answer for each option: its letter, else 256 + index
  std::vector<option> table;
  std::string letters = ":";  // a missing value is reported apart from an unknown option
  for (size_t i = 0; i < options.size(); ++i) {
    const CommandLineOption& o = options[i];
    codes.push_back(o.letter ? o.letter : kFirstLongCode + int(i));
    if (o.name)
      table.push_back({o.name, o.takesValue ? required_argument : no_argument, nullptr, codes[i]});
    if (o.letter) letters += std::string(1, o.letter) + (o.takesValue ? ":" : "");
  }
  const int helpCode = kFirstLongCode + int(options.size());
  table.push_back({kHelp, no_argument, nullptr, helpCode});
  table.push_back({nullptr, 0, nullptr, 0});

  ScannedCommandLine scanned;
  opterr = 0;  // the caller words the mistake
  optind = 0;  // a fresh scan each call
  for (int code; (code = getopt_long(argc, argv, letters.c_str(), table.data(), nullptr)) != -1;) {
    if (code == helpCode) {
      scanned.outcome = ScannedCommandLine::Outcome::Help;
      return scanned;
    }
    const CommandLineOption* found = nullptr;
    for (size_t i = 0; i < options.size(); ++i)
      if (codes[i] == code) found = &options[i];
    if (!found) {
      scanned.mistake = code == ':' ? GivenOption(argc, argv) + " needs a value"
                                    : "unknown option " + GivenOption(argc, argv);
    } else if (!found->take(found->takesValue ? optarg : nullptr, &scanned.mistake)) {
      if (scanned.mistake.empty())
        scanned.mistake = "bad value " + std::string(optarg ? optarg : "");
    } else {
      continue;
    }
    scanned.outcome = ScannedCommandLine::Outcome::Mistake;
    return scanned;
  }
  scanned.operands.assign(argv + optind, argv + argc);
  return scanned;
}

std::string OneOperandMistake(const ScannedCommandLine& scanned, const char* what) {
  if (!scanned.mistake.empty()) return scanned.mistake;
  if (scanned.operands.empty()) return std::string("no ") + what + " given";
  if (scanned.operands.size() > 1) return "unexpected argument " + scanned.operands[1];
  return "";
}

std::optional<int> EndAtHelpOrMistake(const char* program, const char* usage,
                                      ScannedCommandLine::Outcome outcome,
                                      const std::string& mistake, int mistakeStatus) {
  if (outcome == ScannedCommandLine::Outcome::Help) {
    std::fputs(usage, stdout);
    return 0;
  }
  if (mistake.empty()) return std::nullopt;
  std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", program, mistake.c_str(),
               program);
  return mistakeStatus;
}
