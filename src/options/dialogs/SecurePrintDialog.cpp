// The secure-print dialog of the Info pane: the password typed twice, and the sheet that says
// the two differ. An empty password is secure printing off.
#include <string>

#include "options/CCorvelOptions.h"
#include "options/store/PStringFields.h"
#include "options/dialogs/PaneDialogs.h"
#include "options/panes/TextFieldFilters.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "ui/PDEBundle.h"

namespace {

constexpr int32_t kPasswordNumbers[] = {10, 11};
constexpr int32_t kMaxSecurePrintPasswordLength = 32;
constexpr OSType kInfoSignature = FourCC("info");
constexpr int32_t kSecurePrintButtonNumber = 15;

void LimitPasswordField(ControlRef field) {
  if (!field) return;
  SetControl32BitMaximum(field, kMaxSecurePrintPasswordLength);
  SetControlKeyFilter(field, EditControlAlphaNumericMaxLengthKeyFilter);
  SetControlValidationProc(field, EditControlMaxLengthValidationProc);
}

}  // namespace

void CCorvelOptions::DoSecurePrintPasswordDlg() {
  unsigned char* password = mCorvelOptionsData.securePrintPassword;
  if (password[0] != 0) {
    password[0] = 0;
    TitleSecurePrintButton();
    return;
  }
  WindowRef window = nullptr;
  if (GetWindowFromNIB("SecurePrintWindow", &window) != noErr) return;
  WindowOwner owner(window);
  for (int32_t number : kPasswordNumbers)
    LimitPasswordField(GetCorvelControl(window, kSecurePrintSignature, number));
  SetKeyboardFocus(window, GetCorvelControl(window, kSecurePrintSignature, kPasswordNumbers[0]));
  SecurePrintData data{this, window};
  RunModalDialog(window, NorimSecurePrintingEventHandler, &data);
  TitleSecurePrintButton();
}

void CCorvelOptions::TitleSecurePrintButton() {
  const char* key = mCorvelOptionsData.securePrintPassword[0] != 0 ? "Disable..." : "Enable...";
  if (ControlRef button = GetCorvelControl(kInfoSignature, kSecurePrintButtonNumber))
    SetControlTitleWithCFString(button, PDEBundle::GetLocalizedCFString(key).value_or(key));
}

bool CCorvelOptions::SetNorimSecurePrintPassword(SecurePrintData* data) {
  if (!data) return false;
  unsigned char* password = mCorvelOptionsData.securePrintPassword;
  unsigned char again[256] = {};
  GetCorvelTextEditField(kSecurePrintSignature, kPasswordNumbers[0], data->securePrintWindow,
                         password, true);
  GetCorvelTextEditField(kSecurePrintSignature, kPasswordNumbers[1], data->securePrintWindow, again,
                         true);
  if (PStringBytes(password) == PStringBytes(again)) return true;
  DoNorimSecurePrintErrorDlg(data);
  password[0] = 0;
  return false;
}

void CCorvelOptions::DoNorimSecurePrintErrorDlg(SecurePrintData* data) {
  if (!data) return;
  WindowRef sheet = nullptr;
  if (GetWindowFromNIB("SecurePrintErrorWindow", &sheet) != noErr) return;
  WindowOwner owner(sheet);
  SysBeep(1);
  RunModalDialog(sheet, NorimSecurePrintErrorDlgEventHandler, sheet, data->securePrintWindow);
}

OSStatus NorimSecurePrintingEventHandler(EventRef event, void* userData) {
  auto* data = static_cast<SecurePrintData*>(userData);
  switch (CommandOf(event)) {
    case FourCC("spOK"):
      if (data->pCorvelOptions->SetNorimSecurePrintPassword(data))
        QuitAppModalLoopForWindow(data->securePrintWindow);
      return noErr;
    case FourCC("spCL"):
      QuitAppModalLoopForWindow(data->securePrintWindow);
      return noErr;
    default:
      return eventNotHandledErr;
  }
}

OSStatus NorimSecurePrintErrorDlgEventHandler(EventRef event, void* userData) {
  if (CommandOf(event) != FourCC("erOK")) return eventNotHandledErr;
  auto sheet = static_cast<WindowRef>(userData);
  HideSheetWindow(sheet);
  QuitAppModalLoopForWindow(sheet);
  return noErr;
}
