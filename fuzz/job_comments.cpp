// Fuzz target: the job-comment filter. The input is a comment file and a PostScript job joined
// by kSeparator (no separator: all of it is the job, with no comment file). The lines the file
// gives go into the job, which must come out whole with the lines as one block.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzEntry.h"
#include "JobCommentInsertion.h"
#include "JobCommentReader.h"
#include "support/COwner.h"

namespace {

constexpr std::string_view kSeparator = "\n%%%%fuzz-job%%%%\n";

void CheckLines(const JobCommentLines& comments) {
  FUZZ_CHECK(comments.ok == comments.problem.empty());
  for (const std::string& line : comments.lines) {
    FUZZ_CHECK(line.size() >= 2 && line.back() == '\n');
    FUZZ_CHECK(line.starts_with("%%CORVEL: ") || line.starts_with("%%KTVPrintTime: "));
    FUZZ_CHECK(line.find('\0') == std::string::npos);
    FUZZ_CHECK(line.find_first_of("\r\n") >= line.size() - 2);  // one line, one line end
  }
}

// The job after the filter, read back from `out`.
std::string Contents(FILE* out) {
  std::string text;
  rewind(out);
  char block[4096];
  for (size_t got; (got = fread(block, 1, sizeof block, out)) > 0;) text.append(block, got);
  return text;
}

// Nothing lost, nothing added but the block and the line end a job cut in its first line needs.
bool IsJobWithBlock(const std::string& filtered, const std::string& job, const std::string& block) {
  if (filtered.size() != job.size() + block.size() &&
      filtered.size() != job.size() + block.size() + 1)
    return false;
  for (size_t at = filtered.find(block); at != std::string::npos;
       at = filtered.find(block, at + 1)) {
    std::string without = filtered;
    without.erase(at, block.size());
    if (without == job) return true;
    if (at > 0 && without[at - 1] == '\n' && without.erase(at - 1, 1) == job) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find(kSeparator);
  JobCommentLines comments;
  std::string job(input);
  if (split != std::string_view::npos) {
    comments = ParseJobComments(input.substr(0, split));
    CheckLines(comments);
    job = input.substr(split + kSeparator.size());
  }
  std::string block;
  for (const std::string& line : comments.lines) block += line;

  const CFile in(fmemopen(job.data(), job.size(), "rb"));
  static const CFile out(tmpfile());
  if (!out || ftruncate(fileno(out.get()), 0) != 0) return 0;
  rewind(out.get());
  // fmemopen refuses an empty buffer: an empty job reads from an empty file instead.
  const CFile empty(job.empty() ? tmpfile() : nullptr);
  FILE* source = job.empty() ? empty.get() : in.get();
  if (source == nullptr) return 0;
  const InsertionResult result = CopyJobWithComments(source, out.get(), comments.lines);
  const std::string filtered = Contents(out.get());
  if (result == InsertionResult::NotPostScript) {
    FUZZ_CHECK(filtered == job);
  } else {
    FUZZ_CHECK(result == InsertionResult::Inserted);
    FUZZ_CHECK(IsJobWithBlock(filtered, job, block));
  }
  return 0;
}
