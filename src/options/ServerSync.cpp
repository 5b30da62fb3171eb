// The Accessories pane's server address and synchronisation switch. Reading installed options from
// the server comes with server synchronisation.
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
