#include "FileCheck.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include <fstream>
#include <sstream>

#include "ModelWalk.h"
#include "UIBlockAnnotation.h"
#include "ppdx/errors/PPDXErrorNames.h"
#include "ppdx/errors/PPDXErrorObj.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/parser/KTVPPD.h"

namespace {

// Exit codes of the child.
constexpr int kWalked = 0;
constexpr int kRefused = 10;
constexpr int kRefusedAnnounced = 11;
constexpr int kUnreadable = 12;

// The first fatal error of a parse as "PPDErr_Name (keyword)"; empty when there is none.
std::string FatalError(KTVPPD& ppd) {
  PPDXErrors* errors = ppd.GetErrors();
  for (long i = 0; errors && i < errors->Count(); ++i) {
    const PPDXErrorObj& error = (*errors)[i];
    if (!error.IsFatal()) continue;
    std::string text = PPDXErrorName(error.Code());
    if (error.Keyword()) text += std::string(" (") + error.Keyword() + ")";
    return text;
  }
  return {};
}

// What the child does; its exit code. A refusal's reason goes to `reasonFd`.
int CheckInChild(const std::filesystem::path& file, const std::filesystem::path& scratch,
                 int reasonFd) {
  const auto refuse = [reasonFd](const std::string& reason, int code) {
    [[maybe_unused]] const ssize_t written = write(reasonFd, reason.data(), reason.size());
    return code;
  };
  {
    KTVPPD plain(file, PO_PARSE_ALL);
    if (std::string reason = FatalError(plain); !reason.empty()) return refuse(reason, kRefused);
  }
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in || !(std::ofstream(scratch, std::ios::binary) << AnnounceUIBlocks(text.str())))
    return kUnreadable;
  KTVPPD announced(scratch, PO_PARSE_ALL);
  if (std::string reason = FatalError(announced); !reason.empty())
    return refuse("with its UI blocks announced: " + reason, kRefusedAnnounced);
  WalkModel(announced);
  return kWalked;
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[512];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(got));
  return text;
}

}  // namespace

FileResult CheckPPDFile(const std::filesystem::path& file, const std::filesystem::path& scratch,
                        unsigned secondsBound) {
  int reasonPipe[2];
  if (pipe(reasonPipe) != 0) return {FileOutcome::Crashed, "no pipe for the child"};
  const pid_t child = fork();
  if (child == 0) {
    close(reasonPipe[0]);
    alarm(secondsBound);  // the default action of SIGALRM ends the child
    _exit(CheckInChild(file, scratch, reasonPipe[1]));
  }
  close(reasonPipe[1]);
  if (child < 0) {
    close(reasonPipe[0]);
    return {FileOutcome::Crashed, "cannot start a child"};
  }
  const std::string reason = ReadAll(reasonPipe[0]);
  close(reasonPipe[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == kWalked) return {FileOutcome::Walked, {}};
  if (WIFEXITED(status) && WEXITSTATUS(status) == kRefused) return {FileOutcome::Refused, reason};
  if (WIFEXITED(status) && WEXITSTATUS(status) == kRefusedAnnounced)
    return {FileOutcome::RefusedAnnounced, reason};
  if (WIFEXITED(status) && WEXITSTATUS(status) == kUnreadable)
    return {FileOutcome::Refused, "cannot be read or announced"};
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
    return {FileOutcome::Hung, "no result within " + std::to_string(secondsBound) + " s"};
  if (WIFSIGNALED(status))
    return {FileOutcome::Crashed, std::string("signal ") + strsignal(WTERMSIG(status))};
  return {FileOutcome::Crashed, "exit status " + std::to_string(WEXITSTATUS(status))};
}
