// The build without an on-screen view: every run is headless.
#include "PrintView.h"

bool PrintViewAvailable() { return false; }

PrintViewResult RunPrintView(PrintDialogHost&) { return PrintViewResult::NotPrinted; }
