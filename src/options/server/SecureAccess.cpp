// The Secure Access check the Print button runs, and the server-address dialog of the Accessories
// pane; both run the Secure Access client on the option record and take its results back.
#include "comm/CSecureAccessClient.h"
#include "options/CCorvelOptions.h"
#include "options/server/SecureAccessHostAdapter.h"
#include "platform/toolkit/Controls.h"

namespace {

constexpr OSType kInfoSignature = FourCC("info");
constexpr int32_t kServerAddressText = 14;

}  // namespace

void CCorvelOptions::TakeSecureAccessResults(const CSecureAccessClient& client) {
  CorvelOptionsData& data = mCorvelOptionsData;
  client.GetUserInfo(data.owner, data.password, data.acctNumber, data.ipAddress);
  SetSecureAccessInfo();
}

bool CCorvelOptions::DoSecureAccess() {
  GetInfoPaneOptionsFromUI();
  ControllerSecureAccessHost host(*this);
  CSecureAccessClient client(&host);
  const bool valid = client.DoSecureAccessValidation();
  if (valid) {
    TakeSecureAccessResults(client);
  } else {
    const unsigned char* address = mCorvelOptionsData.ipAddress;
    SetCorvelStaticTextField(kInfoSignature, kServerAddressText,
                             std::string(reinterpret_cast<const char*>(address) + 1, address[0]),
                             true);
  }
  return valid;
}

void CCorvelOptions::SetSecureAccessInfo() {
  mJobCommentStatus = noErr;
  SetInfoPaneOptionsInUI();
  Draw1Control(GetCorvelControl(FourCC("crvl"), 134));
  SetInfoPaneOptionsInCorvelPrefs();
  if (mPPDDict) SetInfoPaneOptionsInPPDDict(mPPDDict);
}

void CCorvelOptions::DoBiDiAddressDialog() {
  ControllerSecureAccessHost host(*this);
  CSecureAccessClient client(&host);
  client.DoIPAddressDialog(mPrintDlgWindow);
  TakeSecureAccessResults(client);
  SetInfoPaneOptionsInUI();
  SetAccessoriesPaneOptionsInUI();
}
