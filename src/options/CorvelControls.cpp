// The controller's access to its pane controls by control ID, and its windows from the
// interface file: the shared control utilities on the print dialog's window, so that the panes
// and the dialogs read and write controls one way. Every accessor skips a control that is not
// found.
#include "options/CCorvelOptions.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "ui/CUtilsPB.h"

ControlRef CCorvelOptions::GetCorvelControl(OSType signature, int32_t number, long* err) {
  return GetCorvelControl(mPrintDlgWindow, signature, number, err);
}

ControlRef CCorvelOptions::GetCorvelControl(WindowRef window, OSType signature, int32_t number,
                                            long* err) {
  return CUtilsPB::GetControlRef(signature, number, window, err);
}

int32_t CCorvelOptions::GetCorvelControlValue(OSType signature, int32_t number, long* err) {
  return CUtilsPB::GetCtrlValue(signature, number, mPrintDlgWindow, err);
}

OSStatus CCorvelOptions::SetCorvelControlValue(OSType signature, int32_t number, int16_t value) {
  // A popup first loses the check mark of the item it showed.
  if (ControlRef control = GetCorvelControl(signature, number);
      control && GetControlKind(control) == ControlKind::PopupButton) {
    const int32_t chosen = GetControl32BitValue(control);
    if (chosen > 0) CheckMenuItem(GetControlPopupMenuHandle(control), uint16_t(chosen), false);
  }
  return CUtilsPB::SetCtrlValue(signature, number, mPrintDlgWindow, value);
}

void CCorvelOptions::SelectCorvelRadioButton(OSType signature, int32_t number, int32_t first,
                                             int32_t last) {
  CUtilsPB::SelectGroupRadioButton(mPrintDlgWindow, signature, number, first, last);
}

void CCorvelOptions::GetSelectedCorvelRadioButton(OSType signature, int32_t first, int32_t last,
                                                  long* result) {
  CUtilsPB::GetSelectedGroupRadioButtonID(result, first, last, signature, mPrintDlgWindow);
}

OSStatus CCorvelOptions::SetCorvelStaticTextField(OSType signature, int32_t number,
                                                  const std::string& text, bool draw) {
  const OSStatus status =
      CUtilsPB::SetTextEditFieldValue(signature, number, mPrintDlgWindow, text, false);
  if (draw && status == noErr) Draw1Control(GetCorvelControl(signature, number));
  return status;
}

OSStatus CCorvelOptions::SetCorvelTextEditField(OSType signature, int32_t number,
                                                const std::string& text, bool isPassword) {
  return SetCorvelTextEditField(signature, number, mPrintDlgWindow, text, isPassword);
}

OSStatus CCorvelOptions::SetCorvelTextEditField(OSType signature, int32_t number, WindowRef window,
                                                const std::string& text, bool isPassword) {
  return CUtilsPB::SetTextEditFieldValue(signature, number, window, text, isPassword);
}

OSStatus CCorvelOptions::GetCorvelTextEditField(OSType signature, int32_t number,
                                                unsigned char* out, bool isPassword) {
  return GetCorvelTextEditField(signature, number, mPrintDlgWindow, out, isPassword);
}

OSStatus CCorvelOptions::GetCorvelTextEditField(OSType signature, int32_t number, WindowRef window,
                                                unsigned char* out, bool isPassword) {
  return CUtilsPB::GetTextEditFieldValue(signature, number, window, out, isPassword);
}

OSStatus CCorvelOptions::GetWindowFromNIB(const std::string& name, WindowRef* window) {
  return CUtilsPB::GetWindowFromNIB(name, window, CModelInfo::GetCorvelBundleID(), "Corvel");
}
