// Parse speed of the extended parser against libcups on the same files: the bundled printer
// description, a small one of about 10 kB with CR LF line ends taken from it, a generated one of
// about 1 MB with many controls, and the real printer descriptions of a Debian package (the
// folder CORVEL_PPD_CORPUS names; scripts/bench fills it). The libcups side is what a dialog
// needs before it can show a PPD: ppdOpenFile and ppdMarkDefaults. The extended parser is meant
// to be at least twice as fast. Beside them, how parsing and constraint look-ups scale with
// repeated blocks and with the number of controls. The corpus is also parsed one file per fresh
// process, as a dialog parses it (FreshProcessParse.h).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>
#pragma GCC diagnostic pop

#include "FreshProcessParse.h"
#include "LargePPD.h"
#include "SmallPPD.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/model/PPDXControls.h"
#include "ppdx/controls/PPDXPopupControl.h"

namespace fs = std::filesystem;

namespace {

const fs::path& BundledPPD() {
  static const fs::path path = fs::path(CORVEL_SOURCE_DIR) / "ppd" / "crvmtqix.ppd";
  return path;
}

// A generated file, written when made and removed when the object ends.
class GeneratedFile {
 public:
  GeneratedFile(const std::string& name, const std::string& text)
      : mPath(fs::temp_directory_path() /
              ("corvel-" + name + "-" + std::to_string(getpid()) + ".ppd")) {
    WritePPD(mPath, text);
  }
  ~GeneratedFile() {
    std::error_code error;
    fs::remove(mPath, error);
  }
  GeneratedFile(const GeneratedFile&) = delete;
  GeneratedFile& operator=(const GeneratedFile&) = delete;
  const fs::path& Path() const { return mPath; }

 private:
  fs::path mPath;
};

// Written on first use; the static holds the path and its removal together, so that the removal
// cannot outlive the path.
const fs::path& LargePPDFile() {
  static const GeneratedFile file("large", MakeLargePPD(LargePPDShape{}));
  return file.Path();
}

const fs::path& SmallPPDFile() {
  static const GeneratedFile file("small", MakeSmallPPD(BundledPPD()));
  return file.Path();
}

// Every regular file of the folder CORVEL_PPD_CORPUS names, sorted; empty when there is none.
const std::vector<fs::path>& CorpusFiles() {
  static const std::vector<fs::path> files = [] {
    std::vector<fs::path> found;
    const char* folder = std::getenv("CORVEL_PPD_CORPUS");
    std::error_code error;
    if (folder == nullptr || !fs::is_directory(folder, error)) return found;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
      if (entry.is_regular_file(error) && entry.path().filename().string()[0] != '.')
        found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
  }();
  return files;
}

int64_t TotalSize(const std::vector<fs::path>& files) {
  int64_t bytes = 0;
  std::error_code error;
  for (const fs::path& file : files) bytes += int64_t(fs::file_size(file, error));
  return bytes;
}

// Parses every file once per iteration.
void ParseWithKTVPPD(benchmark::State& state, const std::vector<fs::path>& files) {
  long controls = 0;
  for (auto _ : state) {
    controls = 0;
    for (const fs::path& file : files) {
      KTVPPD ppd(file, PO_PARSE_ALL);
      controls += ppd.GetControls()->ControlCount();
    }
    benchmark::DoNotOptimize(controls);
  }
  state.counters["controls"] = double(controls);
  state.counters["files"] = double(files.size());
  state.SetBytesProcessed(int64_t(state.iterations()) * TotalSize(files));
}

// Opens and marks the defaults of every file once per iteration; files libcups refuses are
// counted, not timed apart.
void ParseWithLibcups(benchmark::State& state, const std::vector<fs::path>& files) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  long refused = 0;
  for (auto _ : state) {
    refused = 0;
    for (const fs::path& file : files) {
      ppd_file_t* ppd = ppdOpenFile(file.c_str());
      if (ppd == nullptr) {
        ++refused;
        continue;
      }
      ppdMarkDefaults(ppd);
      benchmark::DoNotOptimize(ppd->num_groups);
      ppdClose(ppd);
    }
  }
#pragma GCC diagnostic pop
  if (refused == long(files.size())) state.SkipWithError("libcups cannot open the files");
  state.counters["refused"] = double(refused);
  state.counters["files"] = double(files.size());
  state.SetBytesProcessed(int64_t(state.iterations()) * TotalSize(files));
}

// True, with the benchmark skipped, when there is no corpus to parse.
bool SkippedWithoutCorpus(benchmark::State& state) {
  if (!CorpusFiles().empty()) return false;
  state.SkipWithError(
      "no PPD corpus: set CORVEL_PPD_CORPUS to a folder of PPDs "
      "(scripts/bench extracts openprinting-ppds)");
  for (auto _ : state) {}
  return true;
}

void ParseCorpus(benchmark::State& state,
                 void (*parse)(benchmark::State&, const std::vector<fs::path>&)) {
  if (!SkippedWithoutCorpus(state)) parse(state, CorpusFiles());
}

void BM_BundledKTVPPD(benchmark::State& state) { ParseWithKTVPPD(state, {BundledPPD()}); }
void BM_BundledLibcups(benchmark::State& state) { ParseWithLibcups(state, {BundledPPD()}); }
void BM_SmallKTVPPD(benchmark::State& state) { ParseWithKTVPPD(state, {SmallPPDFile()}); }
void BM_SmallLibcups(benchmark::State& state) { ParseWithLibcups(state, {SmallPPDFile()}); }
void BM_LargeKTVPPD(benchmark::State& state) { ParseWithKTVPPD(state, {LargePPDFile()}); }
void BM_LargeLibcups(benchmark::State& state) { ParseWithLibcups(state, {LargePPDFile()}); }
void BM_CorpusKTVPPD(benchmark::State& state) { ParseCorpus(state, ParseWithKTVPPD); }
void BM_CorpusLibcups(benchmark::State& state) { ParseCorpus(state, ParseWithLibcups); }

// What the child of a fresh-process parse does: the same calls as the warm rows.
void ParseOnceWithKTVPPD(const fs::path& file) {
  KTVPPD ppd(file, PO_PARSE_ALL);
  benchmark::DoNotOptimize(ppd.GetControls()->ControlCount());
}

void ParseOnceWithLibcups(const fs::path& file) {
  ppd_file_t* ppd = ppdOpenFile(file.c_str());
  if (ppd == nullptr) return;
  ppdMarkDefaults(ppd);
  benchmark::DoNotOptimize(ppd->num_groups);
  ppdClose(ppd);
}

constexpr std::string_view kKTVPPDParser = "ktvppd";
constexpr std::string_view kLibcupsParser = "libcups";

// Every corpus file parsed in a process of its own; the time is the sum of the children's CPU
// time for their parse alone (manual time), their start-up not counted.
void ParseCorpusFresh(benchmark::State& state, std::string_view parser) {
  if (SkippedWithoutCorpus(state)) return;
  long failed = 0;
  for (auto _ : state) {
    double seconds = 0;
    failed = 0;
    for (const fs::path& file : CorpusFiles()) {
      const std::optional<double> spent = ParseInFreshProcess(parser, file);
      if (spent)
        seconds += *spent;
      else
        ++failed;
    }
    state.SetIterationTime(seconds);
  }
  if (failed == long(CorpusFiles().size())) state.SkipWithError("no child process gave a time");
  state.counters["failed"] = double(failed);
  state.counters["files"] = double(CorpusFiles().size());
}

void BM_CorpusFreshKTVPPD(benchmark::State& state) { ParseCorpusFresh(state, kKTVPPDParser); }
void BM_CorpusFreshLibcups(benchmark::State& state) { ParseCorpusFresh(state, kLibcupsParser); }

// One keyword opened state.range(0) times outside any group: each repeat is refused as a
// duplicate, so the parse stays linear in the number of blocks.
void BM_RepeatedBlocks(benchmark::State& state) {
  const GeneratedFile file("repeated", MakeRepeatedBlockPPD(int(state.range(0))));
  ParseWithKTVPPD(state, {file.Path()});
}

// Every choice of every popup of the shape asked for its constraints and requirements, as a
// dialog does when it applies them.
void QueryEveryChoice(benchmark::State& state, const LargePPDShape& shape) {
  const GeneratedFile file("controls", MakeLargePPD(shape));
  KTVPPD ppd(file.Path(), PO_PARSE_ALL);
  std::vector<PPDXPopupControl*> popups;
  PPDXControls& controls = *ppd.GetControls();
  for (PPDXPopupControl* popup = controls.FirstPopupControl(); popup;
       popup = controls.NextPopupControl())
    popups.push_back(popup);
  long answers = 0;
  for (auto _ : state) {
    answers = 0;
    for (PPDXPopupControl* popup : popups) {
      for (long item = 1; item <= popup->ItemCount(); ++item)
        answers += ppd.GetConstraintList(popup, item, nullptr);
      answers += ppd.GetRequiresList(popup, nullptr);
    }
    benchmark::DoNotOptimize(answers);
  }
  state.counters["answers"] = double(answers);
}

// state.range(0) popups of three choices each.
void BM_ConstraintQueries(benchmark::State& state) {
  QueryEveryChoice(state, LargePPDShape{1, 1, int(state.range(0)), 3});
}

// Two constrained popups of state.range(0) choices each: the time per choice stays flat.
void BM_WidePopupConstraintQueries(benchmark::State& state) {
  QueryEveryChoice(state, LargePPDShape{1, 1, 2, int(state.range(0))});
}

BENCHMARK(BM_BundledKTVPPD)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BundledLibcups)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmallKTVPPD)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmallLibcups)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeKTVPPD)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeLibcups)->Unit(benchmark::kMillisecond);
// A few hundred megabytes a pass: one pass a repetition.
BENCHMARK(BM_CorpusKTVPPD)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CorpusLibcups)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CorpusFreshKTVPPD)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_CorpusFreshLibcups)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_RepeatedBlocks)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConstraintQueries)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidePopupConstraintQueries)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (auto status = AnswerParseOnceRequest(argc, argv, kKTVPPDParser, ParseOnceWithKTVPPD))
    return *status;
  if (auto status = AnswerParseOnceRequest(argc, argv, kLibcupsParser, ParseOnceWithLibcups))
    return *status;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
