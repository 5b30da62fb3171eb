#pragma once
// What the corvel-print tests share: a one-page PostScript document (and its PDF twin), running
// the program as a user would, and following a job it reported into the queue's output file.
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "TestSupport/PrivateCupsd.h"
#include "TestSupport/Programs.h"

namespace printtest {

inline const char* const kDocument =
    "%!PS-Adobe-3.0\n%%Title: sample\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
    "/Helvetica findfont 20 scalefont setfont 72 720 moveto (Corvel) show showpage\n%%EOF\n";

// Writes the sample document into `folder` as PostScript (.ps) or, through Ghostscript, as PDF
// (.pdf); the file, or an empty path when it could not be made.
inline std::filesystem::path WriteDocument(const std::filesystem::path& folder,
                                           const std::string& extension) {
  const std::filesystem::path ps = folder / "sample.ps", made = folder / ("sample" + extension);
  std::ofstream(ps) << kDocument;
  if (extension == ".pdf" &&
      corveltest::RunProgram({GHOSTSCRIPT_PROGRAM, "-q", "-dBATCH", "-dNOPAUSE",
                              "-sDEVICE=pdfwrite", "-sOutputFile=" + made.string(), ps.string()}) !=
          0)
    return {};
  return made;
}

// Runs corvel-print with these arguments, and these variables set.
inline corveltest::ProgramRun RunCorvelPrint(std::vector<std::string> arguments,
                                             const std::vector<std::string>& environment = {}) {
  arguments.insert(arguments.begin(), CORVEL_PRINT_PROGRAM);
  if (!environment.empty()) {
    arguments.insert(arguments.begin(), environment.begin(), environment.end());
    arguments.insert(arguments.begin(), "env");
  }
  return corveltest::RunCapturing(arguments);
}

// The job id corvel-print reported, after the job completed; 0 when there was none.
inline int CompletedJob(const corveltest::ProgramRun& run) {
  std::smatch match;
  if (!std::regex_search(run.output, match, std::regex("job (\\d+) sent to (\\S+)"))) return 0;
  const int job = std::stoi(match[1]);
  return corveltest::PrivateCupsd::WaitForJob(match[2], job) ? job : 0;
}

// The part of the queue's file that the latest job wrote.
inline std::string LatestJob(const corveltest::PrivateCupsd& cupsd, const std::string& queue) {
  const std::string all = cupsd.QueueOutput(queue);
  const size_t start = all.rfind("%!PS-Adobe");
  return start == std::string::npos ? all : all.substr(start);
}

}  // namespace printtest
