#pragma once
// Running the project's and the system's programs from tests: by argument vector, never through
// a shell, with their output captured when the test reads it.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport/TemporaryFiles.h"

extern char** environ;

namespace corveltest {

inline std::vector<char*> ArgumentVector(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  return args;
}

// Starts a program with its arguments (no shell); its process id, or 0 when it could not start.
inline pid_t SpawnProgram(const std::vector<std::string>& argv,
                          const posix_spawn_file_actions_t* actions = nullptr) {
  std::vector<char*> args = ArgumentVector(argv);
  pid_t pid = 0;
  return posix_spawnp(&pid, args[0], actions, nullptr, args.data(), environ) == 0 ? pid : 0;
}

// Waits for a started program; its exit status, or -1 when it did not exit normally.
inline int WaitForProgram(pid_t pid) {
  int status = 0;
  if (pid == 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs a program with its arguments (no shell) and waits; its exit status, or -1 when it could
// not be started.
inline int RunProgram(const std::vector<std::string>& argv) {
  return WaitForProgram(SpawnProgram(argv));
}

// Polls `ready` every `interval` for at most `seconds`; true once it answered true.
template <class Ready>
bool WaitUntil(Ready ready, int seconds = 5,
               std::chrono::milliseconds interval = std::chrono::milliseconds(10)) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (;; std::this_thread::sleep_for(interval)) {
    if (ready()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
  }
}

// Stops a started program by process id and reaps it.
inline void StopProgram(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  WaitForProgram(pid);
}

inline std::string FileContents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ProgramRun {
  int exitStatus = -1;
  std::string output;    // standard output
  std::string messages;  // standard error
};

// A program started with what it writes going to files, read when it has exited; several may run
// at once.
class CapturedProgram {
 public:
  explicit CapturedProgram(const std::vector<std::string>& argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, Out().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, Err().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    mPid = SpawnProgram(argv, &actions);
    posix_spawn_file_actions_destroy(&actions);
  }
  CapturedProgram(const CapturedProgram&) = delete;
  CapturedProgram& operator=(const CapturedProgram&) = delete;
  ~CapturedProgram() {
    if (mPid != 0) WaitForProgram(mPid);
  }

  // Waits for the program to exit and collects what it wrote.
  ProgramRun Wait() {
    ProgramRun run;
    run.exitStatus = WaitForProgram(mPid);
    mPid = 0;
    run.output = FileContents(Out());
    run.messages = FileContents(Err());
    return run;
  }

 private:
  std::filesystem::path Out() const { return mFolder.path() / "out"; }
  std::filesystem::path Err() const { return mFolder.path() / "err"; }

  TemporaryFolder mFolder;
  pid_t mPid = 0;
};

// Runs a program and captures what it writes.
inline ProgramRun RunCapturing(const std::vector<std::string>& argv) {
  return CapturedProgram(argv).Wait();
}

}  // namespace corveltest
