#pragma once
// The held jobs waiting for their dialog, first come first shown. Each job is offered once per run
// of the agent: a job whose dialog ended while it is still held is not offered again until the
// agent starts anew, so a user who closed a dialog is not asked again at once.
#include <deque>
#include <optional>
#include <set>
#include <vector>

#include "HeldJobs.h"

class PromptQueue {
 public:
  // Brings the queue up to date with the jobs held now (in job order): new ones join at the end,
  // waiting ones no longer held (released or cancelled elsewhere) leave. Returns how many joined.
  int Update(const std::vector<HeldJob>& held);

  // The next job to show, taken off the queue; nullopt when none waits.
  std::optional<HeldJob> Next();

 private:
  std::deque<HeldJob> mWaiting;
  std::set<int> mOffered;  // every job that ever joined in this run
};
