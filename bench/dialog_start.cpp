// Dialog start: how long the Print dialog waits for the extension's pane, from loading the real
// bundle through the host's loader to Prologue, Initialize and Open for the bundled queue, as
// the printing system runs them; Close and Terminate follow outside the timed part. Each
// repetition is one start, so the median and the 95th percentile are those of single starts.
// The counter cups_us is the part spent inside libcups (see CupsCallTimer.h).
//
// Needs CUPS_SERVER pointing at a cupsd with a queue on the bundled PPD described as
// CORVEL_BENCH_PRINTER (default "Corvel MTQ-ix"), the name the dialog shows; scripts/bench starts
// a private one.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "CupsCallTimer.h"
#include "Repetitions.h"
#include "TestSupport/TemporaryFiles.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Windows.h"
#include "printsys/PMSession.h"
#include "printsys/PMTicket.h"
#include "printsys/PlugInHost.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string BenchPrinter() {
  const char* printer = std::getenv("CORVEL_BENCH_PRINTER");
  return printer ? printer : "Corvel MTQ-ix";
}

// What the printing system holds while a pane lives: a session with its two tickets, the
// dialog window and the user pane the extension fills, and a home for its preferences.
class PrintDialogStandIn {
 public:
  PrintDialogStandIn() {
    setenv("HOME", mHome.path().c_str(), 1);
    PMCreateSession(&mSession);
    for (auto [key, ticket] : {std::pair{kPMPrinterInfoTicketKey, &mInfoTicket},
                               std::pair{kPMPrintSettingsTicketKey, &mSettingsTicket}}) {
      PMTicketCreate(ticket);
      PMSessionSetDataInSession(mSession, key, PlistValue(PMTicketHandleNumber(*ticket)));
    }
    CreateNewWindow(kDocumentWindowClass, {200, 100, 800, 700}, &mWindow);
    CreateControl(mWindow, ControlKind::UserPane, {0, 0, 575, 600}, &mPane);
  }
  ~PrintDialogStandIn() {
    DisposeWindow(mWindow);
    PMTicketRelease(mInfoTicket);
    PMTicketRelease(mSettingsTicket);
    PMRelease(mSession);
  }
  PrintDialogStandIn(const PrintDialogStandIn&) = delete;
  PrintDialogStandIn& operator=(const PrintDialogStandIn&) = delete;

  // Loads the bundle and opens its pane for the printer shown as `printer`; null, with the reason
  // in `error`, when a step fails.
  std::unique_ptr<DialogExtension> StartPane(const std::string& printer, std::string* error) {
    auto extension = DialogExtension::Load(CORVEL_BUNDLE_DIR, error);
    if (!extension) return nullptr;
    PMPDEFlags flags = 0;
    PMSessionSetCurrentPrinter(mSession, printer);
    OSStatus status = extension->Prologue(nullptr);
    if (status == noErr) status = extension->Initialize(mPane, mSession, &flags);
    if (status != noErr) {
      *error = "the extension refused printer " + printer + " with status " +
               std::to_string(status) + " (is there a queue of CUPS_SERVER?)";
      return nullptr;
    }
    // For a dialog not shown as a sheet (here as in the host) Open answers errWindowNotSheet
    // once it has done its work; the host goes on, and so does this.
    extension->Open();
    return extension;
  }

 private:
  TemporaryFolder mHome;
  PMPrintSession mSession = nullptr;
  PMTicketRef mInfoTicket = nullptr;
  PMTicketRef mSettingsTicket = nullptr;
  WindowRef mWindow = nullptr;
  ControlRef mPane = nullptr;
};

void BM_DialogStart(benchmark::State& state) {
  static PrintDialogStandIn dialog;
  const std::string printer = BenchPrinter();
  for (auto _ : state) {
    std::string error;
    cupscalls::Reset();
    const Clock::time_point start = Clock::now();
    std::unique_ptr<DialogExtension> extension = dialog.StartPane(printer, &error);
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    const double inCups = std::chrono::duration<double>(cupscalls::Elapsed()).count();
    const long calls = cupscalls::Calls();
    if (!extension) {
      state.SkipWithError(error.c_str());
      break;
    }
    extension->Close();
    extension->Terminate(noErr);
    state.SetIterationTime(elapsed.count());
    state.counters["cups_us"] = inCups * 1e6;
    state.counters["cups_calls"] = double(calls);
  }
}

BENCHMARK(BM_DialogStart)->Apply(SingleRunsInMilliseconds)->Repetitions(200);

}  // namespace

BENCHMARK_MAIN();
