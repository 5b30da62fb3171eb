// The Secure Access dialog, where the user corrects the credentials the server refused, and the
// two message dialogs: an error text, and the server's refusal with the rejected items.
#include <cstring>
#include <string>

#include "comm/CSecureAccessClient.h"
#include "platform/IndexedStrings.h"
#include "platform/ResourceMap.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalDialog.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "ui/CUtilsPB.h"
#include "ui/PStringText.h"

namespace {

constexpr OSType kSecureAccessSignature = FourCC("SecA");
constexpr OSType kErrorSignature = FourCC("Aerr");
constexpr OSType kValidationSignature = FourCC("vald");
constexpr int16_t kRequiredLabelList = 229;  // 1 required, 2 optional
constexpr int16_t kRejectedItemList = 230;   // 1 user ID, 2 password, 3 account number

// The three credential fields of the Secure Access dialog, their labels and limits.
struct CredentialField {
  int32_t number;
  int32_t labelNumber;
  int32_t maxLength;
  bool password;
};
constexpr CredentialField kUserIDField{10, 13, 24, false};
constexpr CredentialField kPasswordField{11, 14, 8, true};
constexpr CredentialField kAcctNumberField{12, 15, 32, false};

// The rejected items of a flags text: flag position and the entry of list 230.
struct RejectedItem {
  int position;
  int16_t entry;
};
constexpr RejectedItem kRejectedItems[] = {{0, 1}, {2, 2}, {4, 3}};

std::string MacRomanText(const char* cstr) {
  unsigned char pascal[256] = {};
  const size_t length = strnlen(cstr, 255);
  pascal[0] = uint8_t(length);
  std::memcpy(pascal + 1, cstr, length);
  return PStrToText(pascal, kTextEncodingMacRoman);
}

void SetText(WindowRef window, OSType signature, int32_t number, const std::string& text) {
  long err = noErr;
  if (ControlRef control = CUtilsPB::GetControlRef(signature, number, window, &err))
    SetControlText(control, text);
}

// Shows `window` (as a sheet on `parent` when given), beeps and runs it until its OK command.
void RunMessageDialog(WindowRef window, EventHandlerUPP handler, WindowRef parent) {
  SysBeep(1);
  RunModalDialog(window, handler, window, parent);
}

OSStatus HideOnCommand(EventRef event, void* userData, uint32_t command) {
  if (CommandOf(event) != command) return eventNotHandledErr;
  auto window = static_cast<WindowRef>(userData);
  WindowRef parent = nullptr;
  if (GetSheetWindowParent(window, &parent) == noErr)
    HideSheetWindow(window);
  else
    HideWindow(window);
  QuitAppModalLoopForWindow(window);
  return noErr;
}

}  // namespace

void CSecureAccessClient::GetIndStringSafely(char* dest, int16_t listID, int16_t index) {
  if (getIndString(dest, listID, index)) return;
  CFBundleRef bundle = mHost->GetBundle();
  const ResFileRefNum map = bundle ? CFBundleOpenBundleResourceMap(bundle) : kResFileNotOpened;
  if (map == kResFileNotOpened) return;
  getIndString(dest, listID, index);
  CFBundleCloseBundleResourceMap(bundle, map);
}

void CSecureAccessClient::ShowErrMsgDlg(const char* text, WindowRef parent) {
  WindowRef window = nullptr;
  if (mHost->GetWindowFromNIB(parent ? "SAErrMsgDlgSheet" : "SAErrMsgDlgModal", &window) != noErr)
    return;
  WindowOwner owner(window);
  SetText(window, kErrorSignature, 10, MacRomanText(text ? text : ""));
  RunMessageDialog(window, SAErrMsgDlgEventHandler, parent);
}

void CSecureAccessClient::ShowValidationErrMsg(const char* flags, WindowRef parent) {
  WindowRef window = nullptr;
  if (mHost->GetWindowFromNIB("SAValidationMsgDlg", &window) != noErr) return;
  WindowOwner owner(window);
  std::string items;
  for (const RejectedItem& item : kRejectedItems) {
    if (!flags || strnlen(flags, kFlagsLength) <= size_t(item.position) ||
        flags[item.position] != '1')
      continue;
    char text[256];
    GetIndStringSafely(text, kRejectedItemList, item.entry);
    items += (items.empty() ? "" : "\r") + MacRomanText(text);
  }
  SetText(window, kValidationSignature, 10, items);
  SetText(window, kValidationSignature, 11,
          PStrToText(mSecureAccessOpts.strClientErrorMsg, kTextEncodingMacRoman));
  SetText(window, kValidationSignature, 12,
          PStrToText(mSecureAccessOpts.strEmailAddress, kTextEncodingMacRoman));
  RunMessageDialog(window, SAValidationMsgDlgEventHandler, parent);
}

bool CSecureAccessClient::ValidateSecureAccessInfo(WindowRef parent, bool* commError) {
  char flags[kFlagsLength + 1] = {};
  const bool valid = DoValidateSecureAccessInfo(flags, commError);
  if (!valid && !*commError) ShowValidationErrMsg(flags, parent);
  if (*commError) {
    char text[256];
    GetIndStringSafely(text, kErrorStringList, kCommErrorEntry);
    ShowErrMsgDlg(text, parent);
  }
  return valid;
}

void CSecureAccessClient::SetSecureAccessReqOptCtrls(WindowRef window) {
  const std::pair<const CredentialField*, uint8_t> labels[] = {
      {&kUserIDField, mSecureAccessOpts.bUserID},
      {&kPasswordField, mSecureAccessOpts.bPassword},
      {&kAcctNumberField, mSecureAccessOpts.bAcctNumber}};
  for (const auto& [field, required] : labels) {
    char text[256];
    GetIndStringSafely(text, kRequiredLabelList, required ? 1 : 2);
    SetText(window, kSecureAccessSignature, field->labelNumber, MacRomanText(text));
  }
}

void CSecureAccessClient::GetSecureAccessInfo(WindowRef window) {
  const std::pair<const CredentialField*, unsigned char*> fields[] = {
      {&kUserIDField, mUserID},
      {&kPasswordField, mUserPassword},
      {&kAcctNumberField, mUserAcctNumber}};
  for (const auto& [field, value] : fields) {
    long err = noErr;
    if (CUtilsPB::GetControlRef(kSecureAccessSignature, field->number, window, &err))
      CUtilsPB::GetTextEditFieldValue(kSecureAccessSignature, field->number, window, value,
                                      field->password);
  }
}

bool CSecureAccessClient::DoSecureAccessDlg() {
  WindowRef window = nullptr;
  if (mHost->GetWindowFromNIB("SecureAccessWindow", &window) != noErr) return true;
  WindowOwner owner(window);
  const std::pair<const CredentialField*, const unsigned char*> fields[] = {
      {&kUserIDField, mUserID},
      {&kPasswordField, mUserPassword},
      {&kAcctNumberField, mUserAcctNumber}};
  for (const auto& [field, value] : fields) {
    long err = noErr;
    ControlRef control =
        CUtilsPB::GetControlRef(kSecureAccessSignature, field->number, window, &err);
    if (!control) continue;
    mHost->LimitTextField(control, field->maxLength, field->password);
    CUtilsPB::SetTextEditFieldValue(kSecureAccessSignature, field->number, window, value,
                                    field->password);
  }
  SetSecureAccessReqOptCtrls(window);
  long err = noErr;
  SetKeyboardFocus(
      window, CUtilsPB::GetControlRef(kSecureAccessSignature, kUserIDField.number, window, &err));
  SecureAccessData data{this, true, window, nullptr};
  RunModalDialog(window, SecureAccessDlgEventHandler, &data);
  return data.bCancelHit;
}

OSStatus SecureAccessDlgEventHandler(EventRef event, void* userData) {
  auto* data = static_cast<SecureAccessData*>(userData);
  switch (CommandOf(event)) {
    case FourCC("saOK"): {
      data->pSecureAccessClient->GetSecureAccessInfo(data->secureAccessWindow);
      bool commError = false;
      const bool valid =
          data->pSecureAccessClient->ValidateSecureAccessInfo(data->secureAccessWindow, &commError);
      if (valid || commError) {
        data->bCancelHit = !valid;
        QuitAppModalLoopForWindow(data->secureAccessWindow);
      }
      return noErr;
    }
    case FourCC("saCL"):
      data->bCancelHit = true;
      QuitAppModalLoopForWindow(data->secureAccessWindow);
      return noErr;
    default:
      return eventNotHandledErr;
  }
}

OSStatus SAErrMsgDlgEventHandler(EventRef event, void* window) {
  return HideOnCommand(event, window, FourCC("aeOK"));
}

OSStatus SAValidationMsgDlgEventHandler(EventRef event, void* window) {
  return HideOnCommand(event, window, FourCC("vaOK"));
}
