// Every choice's PostScript runs in a PostScript interpreter without error.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "TestSupport/Programs.h"
#include "ppd/BundledFiles.h"

namespace {

// One line per choice: the code runs inside "stopped", so a failing choice names itself and the
// rest still run; a syntax error stops the interpreter before "DONE".
std::string ChoiceProgram(ppd_file_t* ppd, int& choiceCount) {
  std::string program;
  choiceCount = 0;
  for (const auto& [keyword, choices] : ppdtest::OptionTable(ppd)) {
    const ppd_option_t* option = ppdFindOption(ppd, keyword.c_str());
    for (int c = 0; c < option->num_choices; ++c) {
      const ppd_choice_t& choice = option->choices[c];
      if (!choice.code || !*choice.code) continue;
      program += "mark { " + std::string(choice.code) + " } stopped { (FAILED " + keyword + " " +
                 choice.choice + ") = } if cleartomark\n";
      ++choiceCount;
    }
  }
  return program + "(DONE) =\n";
}

// What the interpreter prints running the file, with a note when it fails.
std::string RunInterpreter(const std::string& file) {
  const corveltest::ProgramRun run = corveltest::RunCapturing(
      {GHOSTSCRIPT_PROGRAM, "-q", "-dNODISPLAY", "-dBATCH", "-dNOPAUSE", file});
  return run.output + run.messages +
         (run.exitStatus != 0 ? "(interpreter exit status non-zero)" : "");
}

using BundledPPDCode = ppdtest::BundledPPDTest;

TEST_P(BundledPPDCode, EveryChoiceRunsCleanly) {
  int choices = 0;
  const std::string program = ChoiceProgram(ppd_.get(), choices);
  EXPECT_GT(choices, 150);

  const std::string file = testing::TempDir() + "choices-" + GetParam().file + ".ps";
  std::ofstream(file) << program;
  EXPECT_EQ(RunInterpreter(file), "DONE\n");
  std::remove(file.c_str());
}

INSTANTIATE_TEST_SUITE_P(Bundle, BundledPPDCode, testing::ValuesIn(ppdtest::kBundledPPDs),
                         ppdtest::VariantName);

}  // namespace
