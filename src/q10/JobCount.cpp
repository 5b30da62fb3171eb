#include "q10/JobCount.h"

#include <string_view>

#include "q10/Limits.h"

namespace q10 {

int32_t CountJobs(ipp_t* response) {
  int32_t jobs = 0;
  for (ipp_attribute_t* attribute = ippFirstAttribute(response);
       attribute && jobs < static_cast<int32_t>(kMaxJobsCounted);
       attribute = ippNextAttribute(response)) {
    const char* name = ippGetName(attribute);
    if (name && ippGetGroupTag(attribute) == IPP_TAG_JOB && std::string_view(name) == "job-id")
      ++jobs;
  }
  return jobs;
}

}  // namespace q10
