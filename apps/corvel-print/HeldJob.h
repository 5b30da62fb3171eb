#pragma once
// A job already in CUPS that corvel-print shows its dialog for: an application printed to a queue
// that holds new jobs, and the job waits, held, until the dialog sets its options and releases it
// or cancels it. Every request goes as the process's user, and a job of another user is never
// touched: the look-up refuses it before anything else is asked.
#include <string>

#include "JobSubmission.h"

struct HeldJob {
  int id = 0;
  std::string name;   // "job-name"
  std::string queue;  // the queue "job-printer-uri" names
  std::string sides;  // the job's "sides"; empty when it carries none
};

enum class JobProblem { None, ServerUnreachable, NotFound, OtherUser, NotHeld };

struct HeldJobLookup {
  HeldJob job;  // filled when `problem` is None
  JobProblem problem = JobProblem::None;
  std::string error;  // why there is no job to show, for the user
};

// Looks job `id` up: it must exist, belong to the process's user and be held.
HeldJobLookup LookUpHeldJob(int id);

// False with the reason once job `id` is gone or no longer held (cancelled or released
// elsewhere, lost in a restart of the print server); true while it waits held, and also while
// the print server cannot be asked (it may be restarting: the job is not lost for that).
bool JobStillHeld(int id, std::string* reason);

enum class ReleaseOutcome {
  Released,
  Gone,            // the job went (or was released elsewhere) before its options were set
  OptionsRefused,  // the print server did not take the options; the job stays held
  ReleaseRefused,  // the options are set but the job could not be released; it stays held
};

// Sets `options` on held job `id` as job attributes, encoded as a submission encodes them
// (Set-Job-Attributes), then releases it (Release-Job). The job is never released without its
// options. `error` says why when the outcome is not Released.
ReleaseOutcome SetOptionsAndRelease(int id, const JobOptions& options, std::string* error);

// Cancels job `id` (Cancel-Job); false with the reason.
bool CancelHeldJob(int id, std::string* error);
