#pragma once
// The answer to Get-Jobs as JOBM_getNumJobs reads it: one job per "job-id" in a job group.
#include <cstdint>

#include <cups/cups.h>

namespace q10 {

// The jobs the answer lists, at most kMaxJobsCounted.
int32_t CountJobs(ipp_t* response);

}  // namespace q10
