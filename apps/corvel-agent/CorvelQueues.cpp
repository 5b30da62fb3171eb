#include "CorvelQueues.h"

#include <cups/ppd.h>
#include <unistd.h>

#include <memory>

#include "options/store/SupportedPrinter.h"
#include "ui/CupsPPD.h"

namespace {

// A fetched PPD's temporary copy, removed when it goes.
struct FetchedFile {
  char path[1024] = "";
  ~FetchedFile() {
    if (path[0]) unlink(path);
  }
};

}  // namespace

CorvelQueues::CorvelQueues(const std::filesystem::path& bundleContents)
    : mSupportedFiles(SupportedPCFileNames(bundleContents)) {}

std::optional<bool> CorvelQueues::IsCorvelQueue(PrintServer& server, const std::string& queue) {
  if (const auto known = mKnown.find(queue); known != mKnown.end()) return known->second;
  if (!server.Connected()) return std::nullopt;
  FetchedFile file;
  time_t modified = 0;
  const http_status_t status =
      cupsGetPPD3(server.Http(), queue.c_str(), &modified, file.path, sizeof file.path);
  // A queue without a PPD (a raw queue, a class) is simply not a Corvel queue.
  if (status == HTTP_STATUS_NOT_FOUND) return mKnown[queue] = false;
  if (status != HTTP_STATUS_OK) return std::nullopt;
  const CupsPPDPtr ppd(ppdOpenFile(file.path));
  std::string reason;
  const bool accepted = ppd && AcceptsPrinterDescription(ppd->shortnickname, ppd->pcfilename,
                                                         mSupportedFiles, &reason);
  return mKnown[queue] = accepted;
}
