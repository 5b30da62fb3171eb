#include "HeldJob.h"

#include <cups/cups.h>

#include "IppRequest.h"

namespace {

std::string JobText(int id) { return "job " + std::to_string(id); }

std::string ServerProblem() {
  if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
    return std::string("cannot reach the print server at ") + cupsServer() +
           ": start CUPS, or point CUPS_SERVER at it, and try again";
  return std::string("the print server at ") + cupsServer() + " answered: " + cupsLastErrorString();
}

std::string StringOf(ipp_t* response, const char* name) {
  const char* value = ippGetString(ippFindAttribute(response, name, IPP_TAG_ZERO), 0, nullptr);
  return value ? value : "";
}

// The queue a printer URI names: the last part of its resource ("/printers/NAME").
std::string QueueOfPrinterURI(const std::string& uri) {
  char scheme[32], user[256], host[256], resource[1024];
  int port = 0;
  if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof scheme, user, sizeof user,
                      host, sizeof host, &port, resource, sizeof resource) < HTTP_URI_STATUS_OK)
    return "";
  const std::string path = resource;
  return path.substr(path.rfind('/') + 1);
}

// The job's attributes the dialog needs; null with cupsLastError() set when CUPS did not answer.
IppPtr JobAttributes(int id) {
  IppPtr request = NewJobRequest(IPP_OP_GET_JOB_ATTRIBUTES, id);
  RequestOnly(request.get(),
              {"job-name", "job-state", "job-originating-user-name", "job-printer-uri", "sides"});
  return Ask(std::move(request));
}

// Why a job in `state` is not held: "it is processing".
std::string NotHeldReason(int state) {
  const char* name = ippEnumString("job-state", state);
  return std::string("it is ") + (name ? name : "in state " + std::to_string(state));
}

}  // namespace

HeldJobLookup LookUpHeldJob(int id) {
  HeldJobLookup lookup;
  const IppPtr response = JobAttributes(id);
  if (!response) {
    const bool missing = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND;
    lookup.problem = missing ? JobProblem::NotFound : JobProblem::ServerUnreachable;
    lookup.error = missing ? JobText(id) + " does not exist" : ServerProblem();
    return lookup;
  }
  ipp_t* job = response.get();
  // The print server hides the owner of another user's job: a missing owner is another user's.
  if (const std::string owner = StringOf(job, "job-originating-user-name"); owner != cupsUser()) {
    lookup.problem = JobProblem::OtherUser;
    lookup.error = JobText(id) + " belongs to " + (owner.empty() ? "another user" : owner) +
                   "; only its owner can print or cancel it";
    return lookup;
  }
  const int state = ippGetInteger(ippFindAttribute(job, "job-state", IPP_TAG_ENUM), 0);
  if (state != IPP_JSTATE_HELD) {
    lookup.problem = JobProblem::NotHeld;
    lookup.error = JobText(id) + " is not held (" + NotHeldReason(state) + ")";
    return lookup;
  }
  lookup.job = {id, StringOf(job, "job-name"), QueueOfPrinterURI(StringOf(job, "job-printer-uri")),
                StringOf(job, "sides")};
  return lookup;
}

bool JobStillHeld(int id, std::string* reason) {
  const IppPtr response = JobAttributes(id);
  if (!response) {
    if (cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) return true;
    *reason =
        JobText(id) + " no longer exists (cancelled, or lost when the print server restarted)";
    return false;
  }
  const int state = ippGetInteger(ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM), 0);
  if (state == IPP_JSTATE_HELD) return true;
  *reason = JobText(id) + " is no longer held (" + NotHeldReason(state) + ")";
  return false;
}

namespace {

// After a refused step: Gone when the job went meanwhile, else `held` with what failed and why.
ReleaseOutcome Refused(int id, ReleaseOutcome held, const std::string& failed, std::string* error) {
  const std::string why = cupsLastErrorString();
  std::string gone;
  if (!JobStillHeld(id, &gone)) {
    *error = gone + "; it was not printed";
    return ReleaseOutcome::Gone;
  }
  *error = failed + " (" + why + "); it stays held";
  return held;
}

}  // namespace

ReleaseOutcome SetOptionsAndRelease(int id, const JobOptions& job, std::string* error) {
  const CupsOptions options = ToCupsOptions(job);
  IppPtr set = NewJobRequest(IPP_OP_SET_JOB_ATTRIBUTES, id);
  cupsEncodeOptions2(set.get(), options.get_deleter().count, options.get(), IPP_TAG_JOB);
  if (!Ask(std::move(set)))
    return Refused(id, ReleaseOutcome::OptionsRefused,
                   "the print server did not take the options of " + JobText(id), error);
  if (!Ask(NewJobRequest(IPP_OP_RELEASE_JOB, id)))
    return Refused(id, ReleaseOutcome::ReleaseRefused,
                   "the options are set on " + JobText(id) + " but it could not be released",
                   error);
  return ReleaseOutcome::Released;
}

bool CancelHeldJob(int id, std::string* error) {
  if (Ask(NewJobRequest(IPP_OP_CANCEL_JOB, id))) return true;
  *error = "could not cancel " + JobText(id) + ": " + cupsLastErrorString();
  return false;
}
