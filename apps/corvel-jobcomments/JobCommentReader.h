#pragma once
// Reads the job-comment file the print dialog leaves for the print path: an XML property list
// whose root array alternates a section code (30 for the user data, 81 for the print time) and
// the bytes of one PostScript comment line. Only the lines the dialog writes are taken: user
// data starting "%%CORVEL: ", the print time starting "%%KTVPrintTime: ", no control character
// before the line's end. Anything else in the file makes it unusable as a whole: a job never
// carries half of a damaged file. Whoever submits a job names the file, so the file counts only
// when it is the job's own user's.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A file larger than this is refused unread; the real ones are well under a kilobyte.
inline constexpr size_t kMaxJobCommentFileSize = 64 * 1024;

struct JobCommentLines {
  bool ok = false;
  // The lines in the order they go into the job, each ending in exactly one line feed.
  std::vector<std::string> lines;
  // Why the file cannot be used (empty when ok).
  std::string problem;
};

// The lines of a comment file's contents: the user-data lines first, then the print-time line,
// each in file order. Not ok, with the reason, when the bytes are not such a file.
JobCommentLines ParseJobComments(std::string_view bytes);

// Reads and parses the file. Not ok, with the reason, when it is missing, a symbolic link, not a
// regular file, not owned by `jobUser`, unreadable, larger than kMaxJobCommentFileSize or
// malformed.
JobCommentLines ReadJobCommentFile(const std::filesystem::path& file, uid_t jobUser);
