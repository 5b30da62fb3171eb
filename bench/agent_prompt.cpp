// From a job held to its dialog starting: a job printed to a queue that holds it (cupsPrintFile
// with job-hold-until=indefinite has returned) until corvel-agent starts its dialog command, a
// script that writes the job's id to a FIFO this program reads. The agent runs with its
// subscription to the server's job events, as it does in a user's session.
//
// Needs CUPS_SERVER pointing at a cupsd with the queue CORVEL_BENCH_QUEUE (default Corvel), whose
// PPD is a Corvel one; scripts/bench starts a private one.
#include <benchmark/benchmark.h>
#include <cups/cups.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchQueue.h"
#include "Repetitions.h"
#include "TestSupport/Programs.h"
#include "TestSupport/TemporaryFiles.h"

namespace {

using Clock = std::chrono::steady_clock;

// The agent with a dialog command that reports each job on a FIFO; stopped when the program ends.
class RunningAgent {
 public:
  RunningAgent() {
    const std::string fifo = (mFolder.path() / "dialogs").string();
    const std::string script = (mFolder.path() / "dialog").string();
    mkfifo(fifo.c_str(), 0600);
    // Read and write: the FIFO never reports a hang-up between two dialogs.
    mFifo = open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    std::ofstream(script) << "#!/bin/sh\necho \"$2\" > " << fifo << "\n";
    chmod(script.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", mFolder.path().c_str(), 1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    mPid = corveltest::SpawnProgram({CORVEL_AGENT_PROGRAM, "--dialog-command", script}, &actions);
    posix_spawn_file_actions_destroy(&actions);
  }
  ~RunningAgent() {
    if (mPid != 0) kill(mPid, SIGTERM);
    corveltest::WaitForProgram(mPid);
    if (mFifo >= 0) close(mFifo);
  }

  // Waits (ten seconds at most) for the dialog of a job; the job id it reported, or 0.
  int NextDialog() {
    pollfd ready{mFifo, POLLIN, 0};
    char line[32] = {};
    if (poll(&ready, 1, 10000) != 1 || read(mFifo, line, sizeof line - 1) <= 0) return 0;
    return std::atoi(line);
  }

 private:
  TemporaryFolder mFolder;
  int mFifo = -1;
  pid_t mPid = 0;
};

int PrintHeld(const std::string& document) {
  cups_option_t* options = nullptr;
  const int count = cupsAddOption("job-hold-until", "indefinite", 0, &options);
  const int job = cupsPrintFile(BenchQueue().c_str(), document.c_str(), "held", count, options);
  cupsFreeOptions(count, options);
  return job;
}

void BM_HeldJobToDialog(benchmark::State& state) {
  if (std::getenv("CUPS_SERVER") == nullptr) {
    state.SkipWithError("no queue to print to: set CUPS_SERVER (scripts/bench starts a cupsd)");
    return;
  }
  static const TempFile document("%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\nshowpage\n%%EOF\n",
                                 "held.ps");
  static RunningAgent agent;
  for (auto _ : state) {
    const int job = PrintHeld(document.Path().string());
    const Clock::time_point held = Clock::now();
    const int shown = job > 0 ? agent.NextDialog() : 0;
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - held).count());
    cupsCancelJob2(CUPS_HTTP_DEFAULT, BenchQueue().c_str(), job, 0);
    if (shown != job) {
      state.SkipWithError("the agent did not open the held job's dialog");
      break;
    }
  }
}

BENCHMARK(BM_HeldJobToDialog)->Apply(SingleRunsInMilliseconds);

}  // namespace

BENCHMARK_MAIN();
