#include "JobSubmission.h"

#include <cups/cups.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

struct OptionsDeleter {
  int count = 0;
  void operator()(cups_option_t* options) const { cupsFreeOptions(count, options); }
};

// Sends one document of the job; false with the reason when CUPS refuses it.
bool SendDocument(int job, const std::string& queue, const std::filesystem::path& file, bool last,
                  std::string* error) {
  std::ifstream in(file, std::ios::binary);
  if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, file.filename().c_str(),
                        CUPS_FORMAT_AUTO, last ? 1 : 0) != HTTP_STATUS_CONTINUE) {
    *error = std::string("CUPS did not take ") + file.string() + ": " + cupsLastErrorString();
    return false;
  }
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    if (in.gcount() > 0 && cupsWriteRequestData(CUPS_HTTP_DEFAULT, buffer, size_t(in.gcount())) !=
                               HTTP_STATUS_CONTINUE) {
      *error = "sending " + file.string() + " failed: " + cupsLastErrorString();
      return false;
    }
  }
  if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) != IPP_STATUS_OK) {
    *error = "CUPS refused " + file.string() + ": " + cupsLastErrorString();
    return false;
  }
  return true;
}

}  // namespace

JobOptions JobOptionsFromTicket(PMTicketRef ticket) {
  JobOptions job;
  PMPPDDict* dict = nullptr;
  if (PMTicketGetPPDDict(ticket, 0, 0, &dict) == noErr)
    for (const auto& [keyword, choice] : *dict)
      if (!choice.empty()) job.options.emplace_back(keyword, choice);
  std::string comments;
  if (PMTicketGetCFString(ticket, kJobCommentTicketKey, &comments) == noErr)
    job.options.emplace_back(kJobCommentTicketKey, comments);
  return job;
}

std::vector<std::string> UnreadableDocuments(const std::vector<std::filesystem::path>& files) {
  std::vector<std::string> reasons;
  for (const std::filesystem::path& file : files) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
      reasons.push_back(file.string() + ": is a folder");
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) reasons.push_back(file.string() + ": " + std::strerror(errno));
  }
  return reasons;
}

int SubmitJob(const std::string& queue, const std::string& title,
              const std::vector<std::filesystem::path>& files, const JobOptions& job,
              std::string* error) {
  cups_option_t* options = nullptr;
  int count = 0;
  for (const auto& [name, value] : job.options)
    count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
  std::unique_ptr<cups_option_t, OptionsDeleter> owner(options, OptionsDeleter{count});
  const int id = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), title.c_str(), count, options);
  if (id <= 0) {
    *error = "CUPS did not create the job on " + queue + ": " + cupsLastErrorString();
    return 0;
  }
  for (size_t i = 0; i < files.size(); ++i)
    if (!SendDocument(id, queue, files[i], i + 1 == files.size(), error)) {
      cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), id, 0);
      return 0;
    }
  return id;
}
