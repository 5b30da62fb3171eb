// corvel-jobcomments: the print path's filter that puts the job comments the print dialog wrote
// (the file named by the job option "KTV.PSData.Corvel") into the PostScript job, right after
// its header comments. Called as every filter is: job-id user title copies options [file].
// Whatever goes wrong with the comments, the job itself still prints: it passes through
// unchanged and the reason goes to the job's log. Any local user may submit a job naming any
// file, so only a file of the job's own user is read.
#include <cups/cups.h>
#include <pwd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "JobCommentInsertion.h"
#include "JobCommentReader.h"
#include "support/COwner.h"

namespace {

constexpr const char* kCommentFileOption = "KTV.PSData.Corvel";

// The comment file named in the job's options; empty when the job names none.
std::string CommentFileOption(const char* optionText) {
  cups_option_t* parsed = nullptr;
  const int count = cupsParseOptions(optionText, 0, &parsed);
  const CountedCOwner<cups_option_t, cupsFreeOptions> owner(parsed, {count});
  const char* value = cupsGetOption(kCommentFileOption, count, parsed);
  return value ? value : "";
}

// The lines for this job of `user`; none, with the reason logged, when there are none to be had.
std::vector<std::string> CommentLinesForJob(const char* user, const char* optionText) {
  const std::string file = CommentFileOption(optionText);
  if (file.empty()) {
    fprintf(stderr, "INFO: No %s option: the job carries no job comments\n", kCommentFileOption);
    return {};
  }
  const passwd* account = getpwnam(user);
  if (!account) {
    fprintf(stderr,
            "WARNING: Job comments from %s left out: the job's user \"%s\" is unknown here\n",
            file.c_str(), user);
    return {};
  }
  JobCommentLines comments = ReadJobCommentFile(file, account->pw_uid);
  if (!comments.ok) {
    fprintf(stderr, "WARNING: Job comments from %s left out: %s\n", file.c_str(),
            comments.problem.c_str());
    return {};
  }
  fprintf(stderr, "INFO: Adding %zu job comment lines from %s\n", comments.lines.size(),
          file.c_str());
  return std::move(comments.lines);
}

int Run(FILE* job, const char* user, const char* optionText) {
  const std::vector<std::string> lines = CommentLinesForJob(user, optionText);
  if (lines.empty()) {
    if (CopyJobUnchanged(job, stdout)) return 0;
    fputs("ERROR: The job could not be copied\n", stderr);
    return 1;
  }
  switch (CopyJobWithComments(job, stdout, lines)) {
    case InsertionResult::Inserted:
      return 0;
    case InsertionResult::NotPostScript:
      fputs("WARNING: The job is not PostScript: copied without job comments\n", stderr);
      return 0;
    case InsertionResult::ReadFailed:
      fputs("ERROR: The job could not be read to its end\n", stderr);
      return 1;
    case InsertionResult::WriteFailed:
      break;
  }
  fputs("ERROR: The job could not be written\n", stderr);
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 6 || argc > 7) {
    fputs("Usage: corvel-jobcomments job-id user title copies options [file]\n", stderr);
    return 1;
  }
  // Status messages go out as they happen, not when the job is done.
  setbuf(stderr, nullptr);
  if (argc == 6) return Run(stdin, argv[2], argv[5]);
  const CFile job(fopen(argv[6], "rb"));
  if (!job) {
    fprintf(stderr, "ERROR: Cannot open the job file %s\n", argv[6]);
    return 1;
  }
  return Run(job.get(), argv[2], argv[5]);
}
