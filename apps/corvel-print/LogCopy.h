#pragma once
// corvel-print runs where the user reads its standard error, and a machine may have no system log
// to read: what the extension and the platform log (their diagnostics, failures with their cause)
// goes to standard error as well as to the system log.

// From now on, every logged line is also written to standard error.
void CopyLogToStandardError();
