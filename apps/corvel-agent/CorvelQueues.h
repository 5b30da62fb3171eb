#pragma once
// Which queues are Corvel queues: those whose PPD the dialog extension accepts, by the very rule
// the extension applies when a dialog starts (options/SupportedPrinter.h). A queue's answer is
// kept for the agent's run, so its PPD is fetched once.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "PrintServer.h"

class CorvelQueues {
 public:
  // `bundleContents`: the Contents folder of the installed bundle, whose printer list names the
  // PPD files the extension serves.
  explicit CorvelQueues(const std::filesystem::path& bundleContents);

  // True for a Corvel queue; nullopt when its PPD could not be fetched (asked again next time).
  std::optional<bool> IsCorvelQueue(PrintServer& server, const std::string& queue);

 private:
  std::vector<std::string> mSupportedFiles;
  std::map<std::string, bool> mKnown;
};
