#include "FreshProcessParse.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

extern char** environ;

namespace {

long long ProcessCPUNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct FileDescriptor {
  int fd = -1;
  ~FileDescriptor() {
    if (fd >= 0) close(fd);
  }
};

struct SpawnActions {
  posix_spawn_file_actions_t actions;
  SpawnActions() { posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

std::string ReadAll(int fd) {
  std::string text;
  char buffer[256];
  for (;;) {
    ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return text;
    text.append(buffer, size_t(got));
  }
}

}  // namespace

std::optional<int> AnswerParseOnceRequest(int argc, char** argv, std::string_view parserName,
                                          ParseOnce parse) {
  if (argc != 4 || argv[1] != kParseOnceFlag || argv[2] != parserName) return std::nullopt;
  const long long start = ProcessCPUNanoseconds();
  parse(argv[3]);
  const long long spent = ProcessCPUNanoseconds() - start;
  return std::printf("%lld\n", spent) > 0 ? 0 : 1;
}

std::optional<double> ParseInFreshProcess(std::string_view parserName,
                                          const std::filesystem::path& file) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
  FileDescriptor readEnd{ends[0]}, writeEnd{ends[1]};
  SpawnActions actions;
  posix_spawn_file_actions_adddup2(&actions.actions, writeEnd.fd, STDOUT_FILENO);
  std::error_code error;
  const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (error) return std::nullopt;
  std::string name = program, flag(kParseOnceFlag), parser(parserName), path = file.string();
  char* arguments[] = {name.data(), flag.data(), parser.data(), path.data(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), &actions.actions, nullptr, arguments, environ) != 0)
    return std::nullopt;
  close(writeEnd.fd);
  writeEnd.fd = -1;
  const std::string answer = ReadAll(readEnd.fd);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  long long nanoseconds = 0;
  if (std::sscanf(answer.c_str(), "%lld", &nanoseconds) != 1) return std::nullopt;
  return double(nanoseconds) * 1e-9;
}
