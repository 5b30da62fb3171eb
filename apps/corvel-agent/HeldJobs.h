#pragma once
// The user's jobs that wait for their dialog: held until released (job-hold-until indefinite,
// which a Corvel queue's hold default gives every new job), listed with Get-Jobs for every queue.
// Jobs of other users are never listed, even where the server would show them.
#include <optional>
#include <string>
#include <vector>

#include "PrintServer.h"

struct HeldJob {
  int id = 0;
  std::string queue;
  std::string name;  // job-name, for the log
};

// This user's held jobs in job order; nullopt when the server could not be asked (`error` says
// why).
std::optional<std::vector<HeldJob>> ListHeldJobs(PrintServer& server, std::string* error);
