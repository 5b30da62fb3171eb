#include "JobCommentReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "support/COwner.h"
#include "platform/PropertyList.h"

namespace {

constexpr int64_t kUserDataSection = 30;
constexpr int64_t kPrintTimeSection = 81;

JobCommentLines Refused(std::string problem) { return {false, {}, std::move(problem)}; }

// The start of each line the print dialog writes, by section: anything else would be PostScript
// of the file writer's choosing (a line "(X) show" runs on the printer).
std::string_view LineStartOfSection(int64_t section) {
  return section == kUserDataSection ? "%%CORVEL: " : "%%KTVPrintTime: ";
}

// A control character ends a comment early (a line feed, a carriage return or a form feed) or
// means something to the printer's input channel; only the line's own end may hold one.
bool IsControlCharacter(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

size_t LineEndLength(std::string_view line) {
  if (line.ends_with("\r\n")) return 2;
  return line.ends_with('\n') || line.ends_with('\r') ? 1 : 0;
}

// Why the line cannot go into the job; empty when it can.
std::string LineProblem(int64_t section, std::string_view line) {
  if (!line.starts_with(LineStartOfSection(section)))
    return "a line of section " + std::to_string(section) + " that does not start with \"" +
           std::string(LineStartOfSection(section)) + "\"";
  line.remove_suffix(LineEndLength(line));
  for (const char c : line)
    if (IsControlCharacter(static_cast<unsigned char>(c)))
      return "a line holding the control character " + std::to_string(int(c));
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
    std::string text(line->begin(), line->end());
    if (std::string problem = LineProblem(*section, text); !problem.empty())
      return Refused(problem);
    if (text.back() != '\n') text += '\n';
    (*section == kUserDataSection ? userData : printTime).push_back(std::move(text));
  }
  userData.insert(userData.end(), printTime.begin(), printTime.end());
  return {true, std::move(userData), ""};
}

JobCommentLines ReadJobCommentFile(const std::filesystem::path& file, uid_t jobUser) {
  // Not blocking: a FIFO named in the options must not hold the job up. A symbolic link is not
  // followed: it could lead to a file of anybody.
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  if (fd < 0 && errno == ELOOP) return Refused("a symbolic link, not a regular file");
  if (fd < 0) return Refused(std::strerror(errno));
  const CFile stream(fdopen(fd, "rb"));
  if (!stream) {
    close(fd);
    return Refused(std::strerror(errno));
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return Refused("not a regular file");
  if (info.st_uid != jobUser)
    return Refused("the file belongs to user " + std::to_string(info.st_uid) +
                   ", not to the job's user " + std::to_string(jobUser));
  // One byte more than allowed tells a file at the limit from one beyond it.
  std::string bytes(kMaxJobCommentFileSize + 1, '\0');
  bytes.resize(fread(bytes.data(), 1, bytes.size(), stream.get()));
  if (ferror(stream.get())) return Refused("the file cannot be read");
  return ParseJobComments(bytes);
}
