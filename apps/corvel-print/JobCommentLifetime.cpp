#include "JobCommentLifetime.h"

#include <cups/cups.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "IppRequest.h"
#include "JobSubmission.h"

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kPollInterval{100};

struct JobProgress {
  ipp_jstate_t state = IPP_JSTATE_PENDING;
  std::string printerUri;
};

// The job's state and the queue it waits in; nullopt when CUPS cannot tell.
std::optional<JobProgress> AskJobProgress(int job) {
  IppPtr request = NewJobRequest(IPP_OP_GET_JOB_ATTRIBUTES, job);
  RequestOnly(request.get(), {"job-state", "job-printer-uri"});
  const IppPtr response = Ask(std::move(request));
  ipp_attribute_t* state =
      response ? ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM) : nullptr;
  if (!state) return std::nullopt;
  JobProgress progress{static_cast<ipp_jstate_t>(ippGetInteger(state, 0)), {}};
  if (ipp_attribute_t* uri = ippFindAttribute(response.get(), "job-printer-uri", IPP_TAG_URI))
    progress.printerUri = ippGetString(uri, 0, nullptr);
  return progress;
}

bool QueueStopped(const std::string& printerUri) {
  if (printerUri.empty()) return false;
  IppPtr request = NewRequestAsUser(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", printerUri);
  RequestOnly(request.get(), {"printer-state"});
  const IppPtr response = Ask(std::move(request));
  ipp_attribute_t* state =
      response ? ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM) : nullptr;
  return state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
}

// A held job, or one pending in a stopped queue, cannot end before somebody acts on it.
bool JobWaitsForSomebody(const JobProgress& progress) {
  return progress.state == IPP_JSTATE_HELD ||
         (progress.state == IPP_JSTATE_PENDING && QueueStopped(progress.printerUri));
}

// The comment files the user's unfinished jobs name; nullopt when CUPS cannot tell.
std::optional<std::set<fs::path>> FilesOfUnfinishedJobs() {
  IppPtr request = NewRequestAsUser(IPP_OP_GET_JOBS, "printer-uri", "ipp://localhost/");
  ipp_t* r = request.get();
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "not-completed");
  ippAddBoolean(r, IPP_TAG_OPERATION, "my-jobs", 1);
  RequestOnly(r, {"job-id", kJobCommentTicketKey});
  const IppPtr response = Ask(std::move(request));
  if (!response) return std::nullopt;
  std::set<fs::path> files;
  for (ipp_attribute_t* a = ippFirstAttribute(response.get()); a;
       a = ippNextAttribute(response.get()))
    if (const char* name = ippGetName(a); name && std::string(name) == kJobCommentTicketKey)
      if (const char* value = ippGetString(a, 0, nullptr)) files.insert(value);
  return files;
}

// The name `file` has without its trailing number.
std::string NameStem(const fs::path& file) {
  const std::string name = file.filename().string();
  return name.substr(0, name.find_last_not_of("0123456789") + 1);
}

bool IsCommentFileName(const fs::path& candidate, const std::string& stem) {
  const std::string name = candidate.filename().string();
  return name.size() > stem.size() && name.starts_with(stem) &&
         name.find_first_not_of("0123456789", stem.size()) == std::string::npos;
}

// Only a regular file of the process's user is ever removed: never a link, nor another's file.
bool IsOwnRegularFile(const struct stat& info) {
  return S_ISREG(info.st_mode) && info.st_uid == getuid();
}

bool IsOlderThan(const struct stat& info, std::chrono::seconds age) {
  return time(nullptr) - info.st_mtime > age.count();
}

}  // namespace

bool RemoveOwnCommentFile(const fs::path& file) {
  struct stat info {};
  if (lstat(file.c_str(), &info) != 0 || !IsOwnRegularFile(info)) return false;
  return unlink(file.c_str()) == 0;
}

bool RemoveCommentFileOnceJobEnds(int job, const fs::path& file, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const std::optional<JobProgress> progress = AskJobProgress(job);
    if (!progress) return false;
    if (progress->state >= IPP_JSTATE_CANCELED) return RemoveOwnCommentFile(file);
    if (std::chrono::steady_clock::now() >= deadline || JobWaitsForSomebody(*progress))
      return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

int RemoveStaleCommentFiles(const fs::path& file) {
  // The user's own comment files old enough to be stale; CUPS is asked only when there are some.
  const std::string stem = NameStem(file);
  std::vector<fs::path> stale;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path(), error)) {
    struct stat info {};
    if (IsCommentFileName(entry.path(), stem) && lstat(entry.path().c_str(), &info) == 0 &&
        IsOwnRegularFile(info) && IsOlderThan(info, kStaleCommentFileAge))
      stale.push_back(entry.path());
  }
  if (stale.empty()) return 0;
  const std::optional<std::set<fs::path>> inUse = FilesOfUnfinishedJobs();
  if (!inUse) return 0;
  int removed = 0;
  for (const fs::path& candidate : stale)
    if (!inUse->contains(candidate)) removed += RemoveOwnCommentFile(candidate) ? 1 : 0;
  return removed;
}

void RetireJobCommentFile(PMTicketRef ticket, int job) {
  std::string file;
  if (PMTicketGetCFString(ticket, kJobCommentTicketKey, &file) != noErr || file.empty()) return;
  if (job <= 0)
    RemoveOwnCommentFile(file);
  else
    RemoveCommentFileOnceJobEnds(job, file, kCommentFileWait);
  RemoveStaleCommentFiles(file);
}
