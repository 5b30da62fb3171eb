#include "DialogProcess.h"

#include <errno.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

extern char** environ;

std::vector<std::string> DefaultDialogCommand() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path beside = self.parent_path() / "corvel-print";
  if (!error && access(beside.c_str(), X_OK) == 0) return {beside.string()};
  return {"corvel-print"};
}

bool DialogProcess::Start(const std::vector<std::string>& command, const HeldJob& job,
                          std::string* error) {
  std::vector<std::string> argv = command;
  argv.insert(argv.end(), {"--job", std::to_string(job.id), "-P", job.queue});
  std::vector<char*> args;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  pid_t pid = 0;
  // spawnp: a bare program name is looked up on PATH.
  const int failed = posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ);
  if (failed != 0) {
    *error = "cannot start " + argv[0] + ": " + std::strerror(failed);
    return false;
  }
  mPid = pid;
  mJob = job;
  return true;
}

std::optional<DialogProcess::Ended> DialogProcess::Poll() {
  if (mPid == 0) return std::nullopt;
  int status = 0;
  pid_t waited;
  while ((waited = waitpid(mPid, &status, WNOHANG)) < 0 && errno == EINTR) {}
  if (waited == 0) return std::nullopt;
  mPid = 0;
  Ended ended{mJob, waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  return ended;
}
