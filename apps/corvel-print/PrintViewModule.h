#pragma once
// The entry points of the on-screen view's module (corvel-print-view.so), looked up by name when
// corvel-print loads it. Plain C types, so that nothing of either side's C++ build leaks across.
class PrintDialogHost;

inline constexpr const char* kCorvelPrintViewModule = "corvel-print-view.so";
inline constexpr const char* kCorvelPrintViewAvailableSymbol = "CorvelPrintViewAvailable";
inline constexpr const char* kCorvelRunPrintViewSymbol = "CorvelRunPrintView";
inline constexpr const char* kCorvelShowPrintFailureSymbol = "CorvelShowPrintFailure";

enum CorvelPrintViewOutcome : int {
  kCorvelPrintViewNotPrinted = 0,
  kCorvelPrintViewPrinted = 1,
  kCorvelPrintViewCancelled = 2,
};

// Nonzero when a display can be opened.
using CorvelPrintViewAvailableFn = int (*)();
// Shows the dialog of `host` until the user prints or cancels; a CorvelPrintViewOutcome.
using CorvelRunPrintViewFn = int (*)(PrintDialogHost* host);
// Shows why the document was not printed (UTF-8) until the user dismisses it.
using CorvelShowPrintFailureFn = void (*)(const char* message);
