#pragma once
// Sends documents to a CUPS queue as one job carrying the print-settings ticket: every entry of
// its PPD dictionary becomes a job option (keyword=choice), and the job-comment file named under
// "KTV.PSData.Corvel" goes along as an option of that name for the print path's comment filter.
#include <cups/cups.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/COwner.h"
#include "printsys/PMTicket.h"

inline constexpr const char* kJobCommentTicketKey = "KTV.PSData.Corvel";

struct JobOptions {
  std::vector<std::pair<std::string, std::string>> options;
};

// The job options the ticket stands for (entries with an empty choice are left out).
JobOptions JobOptionsFromTicket(PMTicketRef ticket);

// Job options as libcups takes them, with their one owner.
using CupsOptions = CountedCOwner<cups_option_t, cupsFreeOptions>;
CupsOptions ToCupsOptions(const JobOptions& job);

// The documents that cannot be read (missing, not a regular file, refused), each with its
// reason; empty when all can.
std::vector<std::string> UnreadableDocuments(const std::vector<std::filesystem::path>& files);

// What became of a submission: the job id (> 0) once every document went, or 0 with the reason.
struct SubmittedJob {
  int id = 0;
  bool documentUnreadable = false;  // a document failed to read; the job was cancelled
  std::string error;
};

// Creates the job, sends each document and closes it; a failure on the way cancels the job.
SubmittedJob SubmitJob(const std::string& queue, const std::string& title,
                       const std::vector<std::filesystem::path>& files, const JobOptions& options);
