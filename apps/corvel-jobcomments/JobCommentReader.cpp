#include "JobCommentReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ScopedFile.h"
#include "platform/PropertyList.h"

namespace {

constexpr int64_t kUserDataSection = 30;
constexpr int64_t kPrintTimeSection = 81;

JobCommentLines Refused(std::string problem) { return {false, {}, std::move(problem)}; }

// The line as it goes into the job, or the reason it cannot: a NUL or a line break before its
// end would let the file write PostScript rather than a comment.
std::string LineProblem(const PlistValue::Data& line) {
  if (line.empty()) return "an empty line";
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\0') return "a line holding a NUL byte";
    const bool last = i + 1 == line.size();
    const bool crBeforeFinalLF = i + 2 == line.size() && line[i] == '\r' && line.back() == '\n';
    if ((line[i] == '\n' || line[i] == '\r') && !last && !crBeforeFinalLF)
      return "a line with a line break inside it";
  }
  return "";
}

}  // namespace

JobCommentLines ParseJobComments(std::string_view bytes) {
  if (bytes.size() > kMaxJobCommentFileSize) return Refused("the file is too large");
  const std::optional<PlistValue> root = PropertyListFromData(bytes);
  if (!root) return Refused("the file is not a property list");
  const PlistValue::Array* entries = root->GetArray();
  if (!entries) return Refused("the property list is not an array");
  if (entries->size() % 2 != 0) return Refused("a section code without its line");

  std::vector<std::string> userData, printTime;
  for (size_t i = 0; i < entries->size(); i += 2) {
    const std::optional<int64_t> section = (*entries)[i].GetInteger();
    const PlistValue::Data* line = (*entries)[i + 1].GetData();
    if (!section || !line) return Refused("an entry that is not a section code and its data");
    if (*section != kUserDataSection && *section != kPrintTimeSection)
      return Refused("an unknown section code " + std::to_string(*section));
    if (std::string problem = LineProblem(*line); !problem.empty()) return Refused(problem);
    std::string text(line->begin(), line->end());
    if (text.back() != '\n') text += '\n';
    (*section == kUserDataSection ? userData : printTime).push_back(std::move(text));
  }
  userData.insert(userData.end(), printTime.begin(), printTime.end());
  return {true, std::move(userData), ""};
}

JobCommentLines ReadJobCommentFile(const std::filesystem::path& file) {
  // Not blocking: a FIFO named in the options must not hold the job up.
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Refused(std::strerror(errno));
  const FilePtr stream(fdopen(fd, "rb"));
  if (!stream) {
    close(fd);
    return Refused(std::strerror(errno));
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return Refused("not a regular file");
  // One byte more than allowed tells a file at the limit from one beyond it.
  std::string bytes(kMaxJobCommentFileSize + 1, '\0');
  bytes.resize(fread(bytes.data(), 1, bytes.size(), stream.get()));
  if (ferror(stream.get())) return Refused("the file cannot be read");
  return ParseJobComments(bytes);
}
