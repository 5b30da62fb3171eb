// The controller's access to its pane controls by control ID, and its windows from the
// interface file. Every accessor skips a control that is not found.
#include "options/CCorvelOptions.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/TextFields.h"
#include "ui/CUtilsPB.h"
#include "ui/PStringText.h"

ControlRef CCorvelOptions::GetCorvelControl(OSType signature, int32_t number, long* err) {
  return GetCorvelControl(mPrintDlgWindow, signature, number, err);
}

ControlRef CCorvelOptions::GetCorvelControl(WindowRef window, OSType signature, int32_t number,
                                            long* err) {
  const ControlID id{signature, number};
  ControlRef control = nullptr;
  const OSStatus status = GetControlByID(window, &id, &control);
  if (err) *err = status;
  return status == noErr ? control : nullptr;
}

int32_t CCorvelOptions::GetCorvelControlValue(OSType signature, int32_t number, long* err) {
  ControlRef control = GetCorvelControl(signature, number, err);
  return control ? GetControl32BitValue(control) : -1;
}

OSStatus CCorvelOptions::SetCorvelControlValue(OSType signature, int32_t number, int16_t value) {
  long status = noErr;
  ControlRef control = GetCorvelControl(signature, number, &status);
  if (!control) return OSStatus(status);
  if (GetControlKind(control) == ControlKind::PopupButton) {
    const int32_t chosen = GetControl32BitValue(control);
    if (chosen > 0) CheckMenuItem(GetControlPopupMenuHandle(control), uint16_t(chosen), false);
  }
  SetControl32BitValue(control, value);
  return noErr;
}

void CCorvelOptions::SelectCorvelRadioButton(OSType signature, int32_t number, int32_t first,
                                             int32_t last) {
  for (int32_t button = first; button <= last; ++button)
    if (ControlRef control = GetCorvelControl(signature, button))
      SetControl32BitValue(control, button == number ? 1 : 0);
}

void CCorvelOptions::GetSelectedCorvelRadioButton(OSType signature, int32_t first, int32_t last,
                                                  long* result) {
  if (!result) return;
  *result = -1;
  for (int32_t button = first; button <= last; ++button)
    if (GetCorvelControlValue(signature, button) > 0) *result = button;
}

OSStatus CCorvelOptions::SetCorvelStaticTextField(OSType signature, int32_t number,
                                                  const std::string& text, bool draw) {
  long status = noErr;
  ControlRef control = GetCorvelControl(signature, number, &status);
  if (!control) return OSStatus(status);
  const OSStatus result = SetControlText(control, text);
  if (draw) Draw1Control(control);
  return result;
}

OSStatus CCorvelOptions::SetCorvelTextEditField(OSType signature, int32_t number,
                                                const std::string& text, bool isPassword) {
  return SetCorvelTextEditField(signature, number, mPrintDlgWindow, text, isPassword);
}

OSStatus CCorvelOptions::SetCorvelTextEditField(OSType signature, int32_t number, WindowRef window,
                                                const std::string& text, bool isPassword) {
  long status = noErr;
  ControlRef control = GetCorvelControl(window, signature, number, &status);
  if (!control) return OSStatus(status);
  return isPassword ? SetControlPasswordText(control, text) : SetControlText(control, text);
}

OSStatus CCorvelOptions::GetCorvelTextEditField(OSType signature, int32_t number,
                                                unsigned char* out, bool isPassword) {
  return GetCorvelTextEditField(signature, number, mPrintDlgWindow, out, isPassword);
}

OSStatus CCorvelOptions::GetCorvelTextEditField(OSType signature, int32_t number, WindowRef window,
                                                unsigned char* out, bool isPassword) {
  long status = noErr;
  ControlRef control = GetCorvelControl(window, signature, number, &status);
  if (!control || !out) return control ? OSStatus(paramErr) : OSStatus(status);
  std::string text;
  const OSStatus read =
      isPassword ? GetControlPasswordText(control, &text) : GetControlText(control, &text);
  if (read != noErr) return read;
  TextToPStr(text, kTextEncodingMacRoman, out);
  return noErr;
}

OSStatus CCorvelOptions::GetWindowFromNIB(const std::string& name, WindowRef* window) {
  return CUtilsPB::GetWindowFromNIB(name, window, CModelInfo::GetCorvelBundleID(), "Corvel");
}
