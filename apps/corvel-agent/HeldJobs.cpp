#include "HeldJobs.h"

#include <algorithm>

namespace {

const char* const kJobAttributes[] = {"job-id",
                                      "job-state",
                                      "job-state-reasons",
                                      "job-printer-uri",
                                      "job-originating-user-name",
                                      "job-hold-until",
                                      "job-name"};

struct ListedJob {
  HeldJob job;
  ipp_jstate_t state = IPP_JSTATE_PENDING;
  std::string holdUntil;
  std::string user;
};

std::string Text(ipp_attribute_t* a) {
  const char* text = ippGetString(a, 0, nullptr);
  return text ? text : "";
}

// The queue's name: the last part of its URI (ipp://host/printers/NAME).
std::string QueueOfUri(const std::string& uri) {
  const size_t slash = uri.rfind('/');
  return slash == std::string::npos ? uri : uri.substr(slash + 1);
}

void TakeAttribute(ipp_attribute_t* a, ListedJob& listed) {
  const std::string_view name = ippGetName(a);
  if (name == "job-id")
    listed.job.id = ippGetInteger(a, 0);
  else if (name == "job-state")
    listed.state = ipp_jstate_t(ippGetInteger(a, 0));
  else if (name == "job-printer-uri")
    listed.job.queue = QueueOfUri(Text(a));
  else if (name == "job-originating-user-name")
    listed.user = Text(a);
  else if (name == "job-hold-until")
    listed.holdUntil = Text(a);
  else if (name == "job-name")
    listed.job.name = Text(a);
}

bool WaitsForItsDialog(const ListedJob& listed, const std::string& user) {
  return listed.job.id > 0 && !listed.job.queue.empty() && listed.state == IPP_JSTATE_HELD &&
         listed.holdUntil == "indefinite" && listed.user == user;
}

}  // namespace

std::optional<std::vector<HeldJob>> ListHeldJobs(PrintServer& server, std::string* error) {
  ipp_t* request = NewServerRequest(IPP_OP_GET_JOBS);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "not-completed");
  ippAddBoolean(request, IPP_TAG_OPERATION, "my-jobs", 1);
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                int(std::size(kJobAttributes)), nullptr, kJobAttributes);
  const PrintServer::Answer answer = server.Send(request);
  if (!answer.Succeeded()) {
    *error = answer.error;
    return std::nullopt;
  }
  const std::string user = cupsUser();
  std::vector<HeldJob> held;
  ListedJob listed;
  auto finishJob = [&] {
    if (WaitsForItsDialog(listed, user)) held.push_back(listed.job);
    listed = ListedJob();
  };
  for (ipp_attribute_t* a = ippFirstAttribute(answer.ipp.get()); a;
       a = ippNextAttribute(answer.ipp.get())) {
    if (!ippGetName(a)) {
      finishJob();  // the separator between two jobs
      continue;
    }
    if (ippGetGroupTag(a) == IPP_TAG_JOB) TakeAttribute(a, listed);
  }
  finishJob();
  std::sort(held.begin(), held.end(),
            [](const HeldJob& a, const HeldJob& b) { return a.id < b.id; });
  return held;
}
