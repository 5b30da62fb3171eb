// Print submission as a user meets it, the command's wall time until the job is accepted:
// corvel-print --headless with a few choices against lp with the same PPD options (those the
// dialog's dry run reports for the choices) and the same document to the same queue. Beside it,
// the program's CPU time and the peak memory (maxrss from wait4) of a headless dialog life cycle,
// corvel-print --headless
// --dry-run, and of lp.
//
// Needs CUPS_SERVER pointing at a cupsd with the queue CORVEL_BENCH_QUEUE (default Corvel);
// scripts/bench starts a private one whose queue accepts jobs without printing them, so no
// filter runs beside the measurement.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "BenchQueue.h"
#include "Repetitions.h"
#include "TestSupport/Programs.h"
#include "TestSupport/TemporaryFiles.h"

namespace {

using Clock = std::chrono::steady_clock;

// The choices made in the dialog: a double staple on the left, two holes, an owner.
const std::vector<std::string> kDialogChoices = {"--set", "outp/29=2", "--set",  "outp/11=8",
                                                 "--set", "outp/14=2", "--type", "info/10=bench"};

struct ProgramCost {
  int exitStatus = -1;
  double seconds = 0;
  double cpuSeconds = 0;  // user and system time of the child
  long maxResidentKB = 0;
  std::string output;
};

// Runs a program (no shell), its standard error dropped; its wall time, CPU time, peak resident
// memory and standard output.
ProgramCost RunMeasured(const std::vector<std::string>& argv) {
  TemporaryFolder folder;
  const std::string out = (folder.path() / "out").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  ProgramCost cost;
  const Clock::time_point start = Clock::now();
  const pid_t pid = corveltest::SpawnProgram(argv, &actions);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (pid != 0 && wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
    cost.exitStatus = WEXITSTATUS(status);
  cost.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  cost.maxResidentKB = usage.ru_maxrss;
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  cost.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  cost.output = corveltest::FileContents(out);
  return cost;
}

// A one-page PostScript document, written once.
const std::string& Document() {
  static const TempFile document(
      "%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
      "/Helvetica findfont 24 scalefont setfont 72 700 moveto (Corvel bench) show showpage\n"
      "%%EOF\n",
      "document.ps");
  static const std::string path = document.Path().string();
  return path;
}

std::vector<std::string> DialogCommand(bool dryRun) {
  std::vector<std::string> argv = {CORVEL_PRINT_PROGRAM, "-P", BenchQueue(), "--headless"};
  if (dryRun) argv.push_back("--dry-run");
  argv.insert(argv.end(), kDialogChoices.begin(), kDialogChoices.end());
  argv.push_back(Document());
  return argv;
}

// lp with the PPD options the dialog's dry run reports for the same choices; empty when the dry
// run failed.
const std::vector<std::string>& LpCommand() {
  static const std::vector<std::string> argv = [] {
    const ProgramCost dryRun = RunMeasured(DialogCommand(true));
    const nlohmann::json report = nlohmann::json::parse(dryRun.output, nullptr, false);
    if (dryRun.exitStatus != 0 || report.is_discarded() || !report.contains("ppd")) {
      return std::vector<std::string>{};
    }
    std::vector<std::string> command = {CORVEL_LP_PROGRAM, "-d", BenchQueue()};
    for (const auto& [key, value] : report["ppd"].items())
      command.insert(command.end(), {"-o", key + "=" + value.get<std::string>()});
    command.push_back(Document());
    return command;
  }();
  return argv;
}

void RunCommand(benchmark::State& state, const std::vector<std::string>& argv) {
  if (std::getenv("CUPS_SERVER") == nullptr || argv.empty()) {
    state.SkipWithError("no queue to print to: set CUPS_SERVER (scripts/bench starts a cupsd)");
    return;
  }
  long maxResidentKB = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const ProgramCost cost = RunMeasured(argv);
    if (cost.exitStatus != 0) {
      state.SkipWithError((argv[0] + " failed").c_str());
      break;
    }
    state.SetIterationTime(cost.seconds);
    maxResidentKB = std::max(maxResidentKB, cost.maxResidentKB);
    cpuSeconds += cost.cpuSeconds;
  }
  state.counters["maxrss_kB"] = double(maxResidentKB);
  // The program's own CPU time: on a loaded machine, the part of the wall time it answers for.
  state.counters["child_cpu_ms"] =
      benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void BM_SubmitCorvelPrint(benchmark::State& state) { RunCommand(state, DialogCommand(false)); }
void BM_SubmitLp(benchmark::State& state) { RunCommand(state, LpCommand()); }
void BM_DialogDryRun(benchmark::State& state) { RunCommand(state, DialogCommand(true)); }

BENCHMARK(BM_SubmitCorvelPrint)->Apply(SingleRunsInMilliseconds);
BENCHMARK(BM_SubmitLp)->Apply(SingleRunsInMilliseconds);
BENCHMARK(BM_DialogDryRun)->Apply(SingleRunsInMilliseconds);

}  // namespace

BENCHMARK_MAIN();
