#include "options/server/SecureAccessHostAdapter.h"

#include "options/CCorvelOptions.h"
#include "options/panes/TextFieldFilters.h"
#include "options/dialogs/UI_TwoWayCommDialog.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/TextFields.h"

SecureAccessRecord ControllerSecureAccessHost::Record() {
  CorvelOptionsData& data = mOptions.mCorvelOptionsData;
  return {data.owner, data.password, data.acctNumber, data.ipAddress, &data.bInitialConnection};
}

WindowRef ControllerSecureAccessHost::GetPrinterWindow() { return mOptions.GetPrinterWindow(); }

OSStatus ControllerSecureAccessHost::GetWindowFromNIB(const std::string& name, WindowRef* window) {
  return mOptions.GetWindowFromNIB(name, window);
}

CFBundleRef ControllerSecureAccessHost::GetBundle() {
  return CFBundleGetBundleWithIdentifier(CModelInfo::GetCorvelBundleID());
}

void ControllerSecureAccessHost::LimitTextField(ControlRef field, int32_t maxLength,
                                                bool alphanumeric) {
  SetControl32BitMaximum(field, maxLength);
  SetControlKeyFilter(field, alphanumeric ? EditControlAlphaNumericMaxLengthKeyFilter
                                          : EditControlMaxLengthKeyFilter);
  SetControlValidationProc(field, EditControlMaxLengthValidationProc);
}

std::string ControllerSecureAccessHost::PrinterListAddress() {
  if (!mOptions.mPrinterList) return {};
  return mOptions.mPrinterList->Find(CModelInfo::GetCorvelRawPrinterName()).value_or("");
}

bool ControllerSecureAccessHost::RunAddressDialog(WindowRef parent, std::string* address) {
  char entered[UI_TwoWayCommDialog::kMaxAddressLength + 1] = {};
  if (!UI_TwoWayCommDialog::ShowTwoWayCommDialog(
          address->c_str(), CModelInfo::GetCorvelRawPrinterName(), entered, parent, true))
    return false;
  *address = entered;
  return true;
}

void ControllerSecureAccessHost::RememberPrinterAddress(const std::string& text) {
  auto& list = mOptions.mPrinterList;
  if (list && list->Add(CModelInfo::GetCorvelRawPrinterName(), text, true)) list->Save();
}
