#include <gtest/gtest.h>

#include "CommandLineOptions.h"
#include "TestSupport/Programs.h"

namespace {

using Outcome = ScannedCommandLine::Outcome;

// Options as the programs have them; what each take saw is recorded in order as "name=value".
ScannedCommandLine Scan(std::vector<std::string> arguments, std::string* taken) {
  auto record = [taken](const char* name) {
    return [taken, name](const char* value, std::string*) {
      *taken += std::string(name) + (value ? std::string("=") + value : "") + " ";
      return true;
    };
  };
  const CommandLineOption options[] = {
      {nullptr, 'P', true, record("P")},
      {"set", 0, true, record("set")},
      {"flag", 0, false, record("flag")},
      {"job", 0, true, [](const char*, std::string* error) { return *error = "not a job", false; }},
  };
  arguments.insert(arguments.begin(), "program");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return ScanCommandLine(int(arguments.size()), argv.data(), options);
}

TEST(CommandLine, OptionsAreTakenInTheirOrderAndMistakesAreNamed) {
  const struct {
    std::vector<std::string> arguments;
    Outcome outcome;
    std::string taken;  // Scanned: the takes in order, then the operands
    std::string mistake;
  } cases[] = {
      {{"-P", "q", "a", "--set", "1", "--flag", "--set=2", "b"},
       Outcome::Scanned,
       "P=q set=1 flag set=2 | a b",
       ""},
      {{"--flag", "--", "--set", "-"}, Outcome::Scanned, "flag | --set -", ""},
      {{"a", "--help", "--nope"}, Outcome::Help, "", ""},
      {{"--nope=1"}, Outcome::Mistake, "", "unknown option --nope"},
      {{"-x"}, Outcome::Mistake, "", "unknown option -x"},
      {{"a", "--set"}, Outcome::Mistake, "", "--set needs a value"},
      {{"-P"}, Outcome::Mistake, "", "-P needs a value"},
      {{"--job", "7", "--flag"}, Outcome::Mistake, "", "not a job"},
  };
  for (const auto& c : cases) {
    std::string taken;
    const ScannedCommandLine scanned = Scan(c.arguments, &taken);
    SCOPED_TRACE(c.arguments.front());
    EXPECT_EQ(scanned.outcome, c.outcome);
    EXPECT_EQ(scanned.mistake, c.mistake);
    if (c.outcome != Outcome::Scanned) continue;
    taken += "|";
    for (const std::string& operand : scanned.operands) taken += " " + operand;
    EXPECT_EQ(taken, c.taken);
  }
}

// Each program: --help on standard output with status 0, a mistake on standard error in one form
// with the program's own status.
TEST(CommandLine, EachProgramAnswersHelpAndMistakesInOneForm) {
  const std::string bogus = "unknown option --bogus\nTry '";
  const struct {
    const char* program;
    std::vector<std::string> arguments;
    int status;
    std::string says;  // on standard output for status 0, else on standard error
  } cases[] = {
      {CORVEL_PRINT_PROGRAM, {"--help"}, 0, "usage: corvel-print"},
      {CORVEL_PRINT_PROGRAM, {"--bogus", "a.ps"}, 1, "corvel-print: " + bogus + "corvel-print"},
      {CORVEL_PRINT_PROGRAM, {"a.ps", "--click"}, 1, "corvel-print: --click needs a value"},
      {CORVEL_PRINT_PROGRAM, {"--headless"}, 1, "corvel-print: no document to print\nTry"},
      {CORVEL_SIM_PROGRAM, {"--help"}, 0, "usage: corvel-sim"},
      {CORVEL_SIM_PROGRAM, {"--bogus"}, 2, "corvel-sim: " + bogus + "corvel-sim --help'"},
      {CORVEL_SIM_PROGRAM, {"--config", "c", "--port", "8x"}, 2, "bad port \"8x\""},
      {CORVEL_SIM_PROGRAM, {"--port", "0"}, 2, "corvel-sim: no --config\nTry"},
      {PPDX_DUMP_PROGRAM, {"--help"}, 0, "usage: ppdx-dump FILE"},
      {PPDX_DUMP_PROGRAM, {"--bogus", "a.ppd"}, 2, "ppdx-dump: " + bogus + "ppdx-dump --help'"},
      {PPDX_DUMP_PROGRAM, {}, 2, "ppdx-dump: no FILE given\nTry"},
      {PPDX_DUMP_PROGRAM, {"a.ppd", "b.ppd"}, 2, "ppdx-dump: unexpected argument b.ppd"},
      {FINISHING_PICTURES_PROGRAM, {"--help"}, 0, "usage: finishing-pictures FOLDER"},
      {FINISHING_PICTURES_PROGRAM, {}, 1, "finishing-pictures: no FOLDER given\nTry"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> argv = c.arguments;
    argv.insert(argv.begin(), c.program);
    const corveltest::ProgramRun run = corveltest::RunCapturing(argv);
    EXPECT_EQ(run.exitStatus, c.status) << c.says;
    const std::string& said = c.status == 0 ? run.output : run.messages;
    EXPECT_NE(said.find(c.says), std::string::npos) << said;
  }
}

}  // namespace
