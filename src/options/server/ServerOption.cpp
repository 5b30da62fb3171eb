// Setting an installed option of the printer queue through the printing system's administration
// command. The command runs from an argument vector, never through a shell, so no character of
// a name can start another command.
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "options/CCorvelOptions.h"
#include "support/Logging.h"

extern char** environ;

namespace {

// The command is looked up on the PATH first; administration programs often live off it.
constexpr const char* kLpadminPrograms[] = {"lpadmin", "/usr/sbin/lpadmin", "/sbin/lpadmin"};
constexpr size_t kMaxCommandLength = 255;  // "lpadmin -p %s -o %s=%s" as one line

bool HasControlCharacter(std::string_view text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7f) return true;
  return false;
}

bool Acceptable(std::string_view queue, std::string_view keyword, std::string_view choice) {
  if (queue.empty() || keyword.empty() || choice.empty()) return false;
  if (HasControlCharacter(queue) || HasControlCharacter(keyword) || HasControlCharacter(choice))
    return false;
  if (keyword.find('=') != std::string_view::npos) return false;
  const size_t length =
      std::strlen("lpadmin -p  -o =") + queue.size() + keyword.size() + choice.size();
  return length <= kMaxCommandLength;
}

// Runs the program with its arguments and waits; its exit status, or -1 when it did not run.
int RunWithoutShell(std::vector<std::string> argv) {
  std::vector<char*> args;
  for (std::string& argument : argv) args.push_back(argument.data());
  args.push_back(nullptr);
  for (const char* program : kLpadminPrograms) {
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program, nullptr, nullptr, args.data(), environ);
    if (spawned == ENOENT) continue;
    if (spawned != 0) return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
      if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  return -1;
}

}  // namespace

void CCorvelOptions::SetServerOption(char*, char* keyword, char* choice) {
  const std::string& queue = CModelInfo::GetCorvelPrinterName();
  if (!keyword || !choice || !Acceptable(queue, keyword, choice)) {
    trace_log(0, "Corvel: installed option not set: unusable queue, keyword or choice\n");
    return;
  }
  const std::string setting = std::string(keyword) + "=" + choice;
  const int status = RunWithoutShell({"lpadmin", "-p", queue, "-o", setting});
  if (status != 0) trace_log(0, "Corvel: lpadmin failed for an installed option: %d\n", status);
}
