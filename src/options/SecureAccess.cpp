// The Secure Access check the Print button runs and the server-address dialog; both come with the
// Secure Access client. Until then a Secure Access model never prints unvalidated.
#include "options/CCorvelOptions.h"
#include "support/Logging.h"

void CCorvelOptions::DoBiDiAddressDialog() {
  trace_log(0, "Corvel: the server-address dialog is not available in this version\n");
}

bool CCorvelOptions::DoSecureAccess() {
  // Never print unvalidated: without the Secure Access client the job is refused.
  trace_log(0, "Corvel: Secure Access validation is not available; the job is not printed\n");
  return false;
}
