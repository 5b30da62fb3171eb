#pragma once
// What a job would carry, as one JSON object (the shape is documented in the README and stays
// stable): the queue, the PPD dictionary, the ticket's string entries, the job-comment lines with
// their sections, every control of the extension's pane, and the system beeps so far.
#include <string>

#include "PrintDialogHost.h"

std::string DryRunReport(const PrintDialogHost& host);
