// The GTK view as a module corvel-print loads only when it shows a dialog.
#include "PrintViewModule.h"

#include "PrintView.h"

extern "C" __attribute__((visibility("default"))) int CorvelPrintViewAvailable() {
  return PrintViewAvailable() ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) int CorvelRunPrintView(PrintDialogHost* host) {
  if (!host) return kCorvelPrintViewNotPrinted;
  switch (RunPrintView(*host)) {
    case PrintViewResult::Printed:
      return kCorvelPrintViewPrinted;
    case PrintViewResult::Cancelled:
      return kCorvelPrintViewCancelled;
    default:
      return kCorvelPrintViewNotPrinted;
  }
}

extern "C" __attribute__((visibility("default"))) void CorvelShowPrintFailure(const char* message) {
  if (message) ShowPrintFailure(message);
}
