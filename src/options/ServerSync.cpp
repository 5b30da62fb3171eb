// The Accessories pane's server address and synchronisation switch, and the Secure Access check
// the Print button runs. Reading installed options from the server, the server-address dialog
// and the Secure Access exchange come with the server client and the Secure Access client.
#include "options/CCorvelOptions.h"
#include "support/Logging.h"

namespace {
constexpr OSType kAccessories = FourCC("accs");
constexpr int32_t kServerAddressField = 4;
}  // namespace

void CCorvelOptions::GrabIPAddressFromEntryField() {
  unsigned char address[256] = {0};
  GetCorvelTextEditField(kAccessories, kServerAddressField, address, false);
  const std::string text(reinterpret_cast<const char*>(address + 1), address[0]);
  if (mPrinterList && mPrinterList->Add(CModelInfo::GetCorvelRawPrinterName(), text, true))
    mPrinterList->Save();
}

void CCorvelOptions::ToggleSynchServerOptions() {
  mCorvelOptionsData.mSyncWithServer = !mCorvelOptionsData.mSyncWithServer;
  if (mCorvelOptionsData.mSyncWithServer) GrabIPAddressFromEntryField();
  SetUIConstraints(Accessories_CorvelOptions);
  SetUIConstraints(Output_CorvelOptions);
}

void CCorvelOptions::DoBiDiAddressDialog() {
  trace_log(0, "Corvel: the server-address dialog is not available in this version\n");
}

bool CCorvelOptions::DoSecureAccess() {
  // Never print unvalidated: without the Secure Access client the job is refused.
  trace_log(0, "Corvel: Secure Access validation is not available; the job is not printed\n");
  return false;
}
