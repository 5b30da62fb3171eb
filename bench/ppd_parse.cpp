// Parse speed of the extended parser against libcups on the same files: the bundled printer
// description and a generated one of about 1 MB with many controls. The extended parser is
// meant to be no slower than libcups.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>
#pragma GCC diagnostic pop

#include "LargePPD.h"
#include "ppdx/parser/KTVPPD.h"
#include "ppdx/model/PPDXControls.h"

namespace fs = std::filesystem;

namespace {

const fs::path& BundledPPD() {
  static const fs::path path = fs::path(CORVEL_SOURCE_DIR) / "ppd" / "crvmtqix.ppd";
  return path;
}

// The generated file, written on first use and removed when the program ends. The path and its
// removal live in one static so that the removal cannot outlive the path.
class LargeFile {
 public:
  LargeFile()
      : mPath(fs::temp_directory_path() / ("corvel-large-" + std::to_string(getpid()) + ".ppd")) {
    WriteLargePPD(mPath, LargePPDShape{});
  }
  ~LargeFile() {
    std::error_code error;
    fs::remove(mPath, error);
  }
  const fs::path& Path() const { return mPath; }

 private:
  fs::path mPath;
};

const fs::path& LargePPDFile() {
  static const LargeFile file;
  return file.Path();
}

void ParseWithKTVPPD(benchmark::State& state, const fs::path& file) {
  long controls = 0;
  for (auto _ : state) {
    KTVPPD ppd(file, PO_PARSE_ALL);
    controls = ppd.GetControls()->ControlCount();
    benchmark::DoNotOptimize(controls);
  }
  state.counters["controls"] = double(controls);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fs::file_size(file)));
}

void ParseWithLibcups(benchmark::State& state, const fs::path& file) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  int options = 0;
  for (auto _ : state) {
    ppd_file_t* ppd = ppdOpenFile(file.c_str());
    if (ppd == nullptr) {
      state.SkipWithError("libcups cannot open the file");
      break;
    }
    options = ppd->num_groups;
    benchmark::DoNotOptimize(options);
    ppdClose(ppd);
  }
#pragma GCC diagnostic pop
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fs::file_size(file)));
}

void BM_BundledKTVPPD(benchmark::State& state) { ParseWithKTVPPD(state, BundledPPD()); }
void BM_BundledLibcups(benchmark::State& state) { ParseWithLibcups(state, BundledPPD()); }
void BM_LargeKTVPPD(benchmark::State& state) { ParseWithKTVPPD(state, LargePPDFile()); }
void BM_LargeLibcups(benchmark::State& state) { ParseWithLibcups(state, LargePPDFile()); }

BENCHMARK(BM_BundledKTVPPD)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BundledLibcups)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeKTVPPD)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeLibcups)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
