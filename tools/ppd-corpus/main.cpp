// ppd-corpus-check: every printer description of a list through the extended parser and the
// dialog's model walk, one child process per file with a time bound. One line per file that is
// refused, crashes or hangs, then one summary line: parsed (the parser took the file), refused
// (the parser, or with its UI blocks announced the walk, could not take it), walked, crashed,
// hung. Exit status 1 when any file crashed or hung.
//
//   ppd-corpus-check [--bound SECONDS] [--list FILE] [PPD...]
//
// --list names a file of paths, one a line ("-" for standard input); the default bound is 20 s.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <iostream>
#include <string>
#include <vector>

#include "FileCheck.h"
#include "TempInputFile.h"

namespace {

struct Options {
  unsigned secondsBound = 20;
  std::vector<std::string> files;
};

void ReadList(std::istream& in, std::vector<std::string>* files) {
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) files->push_back(line);
}

// False with a message on standard error for a bad command line.
bool ParseArguments(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--bound") == 0 && hasValue) {
      options->secondsBound = unsigned(std::strtoul(argv[++i], nullptr, 10));
    } else if (std::strcmp(argv[i], "--list") == 0 && hasValue) {
      const std::string list = argv[++i];
      std::ifstream file(list);
      if (list != "-" && !file) {
        std::cerr << "ppd-corpus-check: cannot read " << list << "\n";
        return false;
      }
      ReadList(list == "-" ? std::cin : file, &options->files);
    } else if (argv[i][0] == '-') {
      std::cerr << "usage: ppd-corpus-check [--bound SECONDS] [--list FILE] [PPD...]\n";
      return false;
    } else {
      options->files.push_back(argv[i]);
    }
  }
  if (options->secondsBound == 0) options->secondsBound = 1;
  return true;
}

constexpr const char* kOutcomeWords[] = {"walked", "refused", "refused", "crashed", "hung"};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArguments(argc, argv, &options)) return 2;
  const TempInputFile scratch(".ppd");
  long counts[std::size(kOutcomeWords)] = {};
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& file : options.files) {
    const FileResult result = CheckPPDFile(file, scratch.Path(), options.secondsBound);
    ++counts[int(result.outcome)];
    if (result.outcome != FileOutcome::Walked)
      std::printf("%s %s: %s\n", kOutcomeWords[int(result.outcome)], file.c_str(),
                  result.message.c_str());
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long files = long(options.files.size());
  const long failed = counts[int(FileOutcome::Crashed)] + counts[int(FileOutcome::Hung)];
  const long walked = counts[int(FileOutcome::Walked)];
  const long parsed = walked + counts[int(FileOutcome::RefusedAnnounced)];
  std::printf(
      "files %ld, parsed %ld, refused %ld, walked %ld, crashed %ld, hung %ld, time %.1f s\n", files,
      parsed, files - walked - failed, walked, counts[int(FileOutcome::Crashed)],
      counts[int(FileOutcome::Hung)], seconds);
  return failed == 0 ? 0 : 1;
}
