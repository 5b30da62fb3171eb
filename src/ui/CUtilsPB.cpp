#include "ui/CUtilsPB.h"

#include "platform/Bundle.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/TextFields.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "support/Logging.h"
#include "ui/PStringText.h"

namespace {

ControlRef Lookup(OSType signature, int32_t number, WindowRef window, OSStatus* status) {
  const ControlID id{signature, number};
  ControlRef control = nullptr;
  *status = GetControlByID(window, &id, &control);
  if (*status == paramErr) *status = errUnknownControl;  // no window: no control either
  return control;
}

void Report(long* err, OSStatus status) {
  if (err) *err = status;
}

}  // namespace

OSStatus CUtilsPB::GetWindowFromNIB(const std::string& windowName, WindowRef* window,
                                    const std::string& bundleIdentifier,
                                    const std::string& nibName) {
  IBNibRef nib = nullptr;
  OSStatus status = CreateNibReferenceWithCFBundle(
      CFBundleGetBundleWithIdentifier(bundleIdentifier), nibName, &nib);
  const NibOwner owner(nib);
  if (status == noErr) status = CreateWindowFromNib(nib, windowName, window);
  if (status != noErr)
    trace_log(0, "Corvel: cannot load the window \"%s\" from the interface file %s (status %d)\n",
              windowName.c_str(), nibName.c_str(), int(status));
  return status;
}

ControlRef CUtilsPB::GetControlRef(OSType signature, int32_t number, WindowRef window, long* err) {
  OSStatus status;
  ControlRef control = Lookup(signature, number, window, &status);
  Report(err, status);
  return control;
}

int32_t CUtilsPB::GetCtrlValue(OSType signature, int32_t number, WindowRef window, long* err) {
  ControlRef control = GetControlRef(signature, number, window, err);
  return control ? GetControl32BitValue(control) : -1;
}

OSStatus CUtilsPB::SetCtrlValue(OSType signature, int32_t number, WindowRef window, short value) {
  OSStatus status;
  if (ControlRef control = Lookup(signature, number, window, &status))
    SetControl32BitValue(control, value);
  return status;
}

void CUtilsPB::GetSelectedGroupRadioButtonID(long* result, int32_t first, int32_t last,
                                             OSType signature, WindowRef window) {
  if (!result) return;
  *result = -1;
  for (int32_t number = first; number <= last; ++number) {
    OSStatus status;
    ControlRef control = Lookup(signature, number, window, &status);
    if (control && GetControl32BitValue(control) != 0) *result = number;
    if (number == INT32_MAX) break;
  }
}

OSStatus CUtilsPB::SelectGroupRadioButton(WindowRef window, OSType signature, int32_t number,
                                          int32_t first, int32_t last) {
  OSStatus status;
  ControlRef chosen = Lookup(signature, number, window, &status);
  return chosen ? SelectGroupRadioButton(chosen, first, last) : status;
}

OSStatus CUtilsPB::SelectGroupRadioButton(ControlRef control, int32_t first, int32_t last) {
  ControlID chosen;
  if (GetControlID(control, &chosen) != noErr) return errUnknownControl;
  WindowRef window = GetControlOwner(control);
  for (int32_t number = first; number <= last; ++number) {
    OSStatus status;
    if (ControlRef button = Lookup(chosen.signature, number, window, &status))
      SetControl32BitValue(button, number == chosen.id ? 1 : 0);
    if (number == INT32_MAX) break;
  }
  return noErr;
}

OSStatus CUtilsPB::GetTextEditFieldValue(OSType signature, int32_t number, WindowRef window,
                                         unsigned char* out, bool isPassword) {
  OSStatus status;
  ControlRef field = Lookup(signature, number, window, &status);
  if (!field || !out) return field ? paramErr : status;
  out[0] = 0;
  std::string text;
  status = isPassword ? GetControlPasswordText(field, &text) : GetControlText(field, &text);
  if (status != noErr) return status;
  // A character Mac Roman cannot hold is never replaced: the text is refused whole.
  return TextToPStr(text, kTextEncodingMacRoman, out) ? noErr : kTECUnmappableElementErr;
}

OSStatus CUtilsPB::SetTextEditFieldValue(OSType signature, int32_t number, WindowRef window,
                                         const unsigned char* text, bool isPassword) {
  if (!text) return paramErr;
  return SetTextEditFieldValue(signature, number, window, PStrToText(text, kTextEncodingMacRoman),
                               isPassword);
}

OSStatus CUtilsPB::SetTextEditFieldValue(OSType signature, int32_t number, WindowRef window,
                                         const std::string& text, bool isPassword) {
  OSStatus status;
  ControlRef field = Lookup(signature, number, window, &status);
  if (!field) return status;
  return isPassword ? SetControlPasswordText(field, text) : SetControlText(field, text);
}
