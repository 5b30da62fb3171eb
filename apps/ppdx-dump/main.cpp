// ppdx-dump FILE: parses FILE as the print dialog does (every orphan and hidden element
// included) and prints what the parser made of it as one JSON object: validity, the standard
// keywords, the errors with readable descriptions, property pages, groups, controls, shortcuts,
// and the constraint and requirement answers for every choice.
// Exit status: 0 when the file was read (even when it is no valid PPD), 2 when it cannot be read
// (standard error then says why).
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "CommandLineOptions.h"
#include "ModelDump.h"
#include "platform/Bundle.h"
#include "platform/ResourceMap.h"
#include "support/COwner.h"

namespace {

constexpr const char* kBundleIdentifier = "com.ktv.print.pde.CorvelPDEMTQix";
constexpr int kCannotRead = 2;  // also for a mistake on the command line
constexpr const char* kUsageText =
    "usage: ppdx-dump FILE\n"
    "Prints what the extended PPD parser makes of FILE as one JSON object.\n";

// The error descriptions live in the plug-in bundle's string lists; without the bundle they stay
// empty.
void OpenErrorDescriptions() {
  if (CFBundleRef bundle = CFBundleGetBundleWithIdentifier(kBundleIdentifier))
    CFBundleOpenBundleResourceMap(bundle);
}

// Why file cannot be read as a PPD, in the system's words; empty when it can be read.
std::string UnreadableReason(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error) return error.message();
  if (std::filesystem::is_directory(status)) return std::strerror(EISDIR);
  if (!std::filesystem::is_regular_file(status)) return "not a regular file";
  const CFile open(std::fopen(file.c_str(), "rb"));
  if (!open) return std::strerror(errno);
  return std::string();
}

// The parser library writes some reports with printf; while it runs they go to standard error,
// so that standard output carries the JSON object alone.
class StdoutToStderr {
 public:
  StdoutToStderr() {
    std::fflush(stdout);
    mSaved = ::dup(STDOUT_FILENO);
    if (mSaved >= 0) ::dup2(STDERR_FILENO, STDOUT_FILENO);
  }
  ~StdoutToStderr() {
    std::fflush(stdout);
    if (mSaved < 0) return;
    ::dup2(mSaved, STDOUT_FILENO);
    ::close(mSaved);
  }
  StdoutToStderr(const StdoutToStderr&) = delete;
  StdoutToStderr& operator=(const StdoutToStderr&) = delete;

 private:
  int mSaved = -1;
};

std::string DumpFile(const std::filesystem::path& file) {
  StdoutToStderr reports;
  OpenErrorDescriptions();
  KTVPPD ppd(file, PO_PARSE_ALL);
  return DumpModel(ppd);
}

}  // namespace

int main(int argc, char** argv) {
  const ScannedCommandLine line = ScanCommandLine(argc, argv, {});
  if (const std::optional<int> end = EndAtHelpOrMistake(
          "ppdx-dump", kUsageText, line.outcome, OneOperandMistake(line, "FILE"), kCannotRead))
    return *end;
  const std::filesystem::path file = line.operands.front();
  if (const std::string reason = UnreadableReason(file); !reason.empty()) {
    std::fprintf(stderr, "ppdx-dump: cannot read %s: %s\n", file.c_str(), reason.c_str());
    return kCannotRead;
  }
  const std::string json = DumpFile(file);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}
