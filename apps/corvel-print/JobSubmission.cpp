#include "JobSubmission.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "IppRequest.h"
#include "support/COwner.h"

namespace {

using HttpPtr = COwner<http_t, httpClose>;

// A document open for reading. Only a regular file is taken: a FIFO or a device could hold the
// program waiting for data that never comes, so none is opened in a way that blocks.
class DocumentFile {
 public:
  explicit DocumentFile(const std::filesystem::path& file) : mName(file.string()) {
    mDescriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (mDescriptor < 0 || ::fstat(mDescriptor, &info) != 0) {
      mError = mName + ": " + std::strerror(errno);
      Close();
    } else if (!S_ISREG(info.st_mode)) {
      mError = mName + (S_ISDIR(info.st_mode) ? ": is a folder" : ": is not a regular file");
      Close();
    }
  }
  ~DocumentFile() { Close(); }
  DocumentFile(const DocumentFile&) = delete;
  DocumentFile& operator=(const DocumentFile&) = delete;

  // Empty once the file is open; otherwise why it is not.
  const std::string& Error() const { return mError; }

  // The bytes read into `buffer` (0 at the end of the file), or -1 with the reason in Error().
  ssize_t Read(char* buffer, size_t size) {
    ssize_t count;
    do {
      count = ::read(mDescriptor, buffer, size);
    } while (count < 0 && errno == EINTR);
    if (count < 0) mError = "reading " + mName + " failed: " + std::strerror(errno);
    return count;
  }

 private:
  void Close() {
    if (mDescriptor >= 0) ::close(mDescriptor);
    mDescriptor = -1;
  }

  std::string mName;
  std::string mError;
  int mDescriptor = -1;
};

// Sends one document of the job. False with the reason when the document cannot be read
// (`unreadable` set) or CUPS refuses it.
bool SendDocument(http_t* http, int job, const std::string& queue,
                  const std::filesystem::path& file, bool last, SubmittedJob& result) {
  DocumentFile document(file);
  if (!document.Error().empty()) {
    result.documentUnreadable = true;
    result.error = document.Error();
    return false;
  }
  if (cupsStartDocument(http, queue.c_str(), job, file.filename().c_str(), CUPS_FORMAT_AUTO,
                        last ? 1 : 0) != HTTP_STATUS_CONTINUE) {
    result.error = "CUPS did not take " + file.string() + ": " + cupsLastErrorString();
    return false;
  }
  char buffer[65536];
  for (ssize_t count; (count = document.Read(buffer, sizeof buffer)) != 0;) {
    if (count < 0) {
      result.documentUnreadable = true;
      result.error = document.Error();
      return false;
    }
    if (cupsWriteRequestData(http, buffer, size_t(count)) != HTTP_STATUS_CONTINUE) {
      result.error = "sending " + file.string() + " failed: " + cupsLastErrorString();
      return false;
    }
  }
  if (cupsFinishDocument(http, queue.c_str()) != IPP_STATUS_OK) {
    result.error = "CUPS refused " + file.string() + ": " + cupsLastErrorString();
    return false;
  }
  return true;
}

// Creates the job on `queue` through `http`: its id, or 0 with cupsLastError() telling why. The
// request is made here rather than by cupsCreateJob, which first asks the server twice more about
// a queue the dialog has already read.
int CreateJob(http_t* http, const std::string& queue, const std::string& title, int count,
              cups_option_t* options) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/printers/%s", queue.c_str());
  char scheme[32], userpass[256], host[256], resource[HTTP_MAX_URI];
  int port = 0;
  httpSeparateURI(HTTP_URI_CODING_ALL, uri, scheme, sizeof scheme, userpass, sizeof userpass, host,
                  sizeof host, &port, resource, sizeof resource);
  IppPtr request = NewRequestAsUser(IPP_OP_CREATE_JOB, "printer-uri", uri);
  if (!title.empty())
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                 title.c_str());
  cupsEncodeOptions2(request.get(), count, options, IPP_TAG_OPERATION);
  cupsEncodeOptions2(request.get(), count, options, IPP_TAG_JOB);
  const IppPtr response(cupsDoRequest(http, request.release(), resource));
  if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) return 0;
  ipp_attribute_t* id = ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER);
  return id ? ippGetInteger(id, 0) : 0;
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

CupsOptions ToCupsOptions(const JobOptions& job) {
  cups_option_t* options = nullptr;
  int count = 0;
  for (const auto& [name, value] : job.options)
    count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
  return CupsOptions(options, {count});
}

std::vector<std::string> UnreadableDocuments(const std::vector<std::filesystem::path>& files) {
  std::vector<std::string> reasons;
  for (const std::filesystem::path& file : files)
    if (DocumentFile document(file); !document.Error().empty()) reasons.push_back(document.Error());
  return reasons;
}

SubmittedJob SubmitJob(const std::string& queue, const std::string& title,
                       const std::vector<std::filesystem::path>& files, const JobOptions& job) {
  SubmittedJob result;
  // The user chose in the dialog already: a queue that holds new jobs for their dialog (jobs of
  // other applications) must not hold this one too.
  JobOptions notHeld = job;
  notHeld.options.emplace_back("job-hold-until", "no-hold");
  const CupsOptions options = ToCupsOptions(notHeld);
  const int count = options.get_deleter().count;
  // A connection of the job's own: a document that fails halfway is abandoned by closing it, so
  // the print server never takes the part that was sent as the whole document.
  HttpPtr http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000,
                            nullptr));
  if (!http) {
    result.error = std::string("cannot reach the print server: ") + cupsLastErrorString();
    return result;
  }
  const int id = CreateJob(http.get(), queue, title, count, options.get());
  if (id <= 0) {
    result.error = "CUPS did not create the job on " + queue + ": " + cupsLastErrorString();
    return result;
  }
  for (size_t i = 0; i < files.size(); ++i)
    if (!SendDocument(http.get(), id, queue, files[i], i + 1 == files.size(), result)) {
      http.reset();
      cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), id, 0);
      result.error += "; the job was cancelled";
      return result;
    }
  result.id = id;
  return result;
}
