#pragma once
// The on-screen Print dialog: a view that mirrors the dialog's model into real widgets until the
// user prints or cancels. Built with GTK when it is there; without a display nothing is shown.
#include "PrintDialogHost.h"

enum class PrintViewResult { Printed, Cancelled, NotPrinted };

// True when a display can be opened and the view is built in.
bool PrintViewAvailable();
// Shows the dialog and runs until the user printed (the pane committed) or cancelled.
PrintViewResult RunPrintView(PrintDialogHost& host);
// After the dialog closed, tells the user in an alert why the document was not printed, and
// returns once the alert is dismissed; nothing happens where no view can be shown.
void ShowPrintFailure(const std::string& message);
