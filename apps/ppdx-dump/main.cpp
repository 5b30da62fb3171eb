// ppdx-dump FILE: parses FILE as the print dialog does (every orphan and hidden element
// included) and prints what the parser made of it as one JSON object: validity, the standard
// keywords, the errors with readable descriptions, property pages, groups, controls, shortcuts,
// and the constraint and requirement answers for every choice.
// Exit status: 0 when the file was read (even when it is no valid PPD), 2 when it cannot be read.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ModelDump.h"
#include "platform/Bundle.h"
#include "platform/ResourceMap.h"

namespace {

constexpr const char* kBundleIdentifier = "com.ktv.print.pde.CorvelPDEMTQix";

// The error descriptions live in the plug-in bundle's string lists; without the bundle they stay
// empty.
void OpenErrorDescriptions() {
  if (CFBundleRef bundle = CFBundleGetBundleWithIdentifier(kBundleIdentifier))
    CFBundleOpenBundleResourceMap(bundle);
}

bool Readable(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  return std::ifstream(file, std::ios::binary).good();
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
  if (argc != 2) {
    std::fprintf(stderr, "usage: ppdx-dump FILE\n");
    return 2;
  }
  const std::filesystem::path file = argv[1];
  if (!Readable(file)) {
    std::fprintf(stderr, "ppdx-dump: cannot read %s\n", argv[1]);
    return 2;
  }
  const std::string json = DumpFile(file);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}
