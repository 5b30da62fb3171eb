#include "options/panes/TextFieldFilters.h"

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalLoop.h"

namespace {

// Backspace, tab, return, escape and the four arrows always pass.
bool IsEditingKey(int16_t charCode) {
  return charCode == kBackspaceCharCode || charCode == kTabCharCode ||
         charCode == kReturnCharCode || charCode == kEscapeCharCode ||
         (charCode >= kLeftArrowCharCode && charCode <= kLeftArrowCharCode + 3);
}

bool IsAsciiLetterOrDigit(int16_t c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The text's length once the key replaced the selection stays within the maximum.
bool KeyFits(ControlRef control) {
  const int32_t maximum = GetControl32BitMaximum(control);
  int32_t start = 0, end = 0;
  GetEditTextSelection(control, &start, &end);
  return maximum < 1 || GetEditTextLength(control) - (end - start) + 1 <= maximum;
}

ControlKeyFilterResult Refuse() {
  SysBeep(1);
  return kControlKeyFilterBlockKey;
}

bool PassesWithoutCheck(ControlRef control, const EventModifiers* modifiers) {
  return GetEditTextLength(control) < 0 || (modifiers && (*modifiers & cmdKey));
}

}  // namespace

ControlKeyFilterResult EditControlMaxLengthKeyFilter(ControlRef control, int16_t*,
                                                     int16_t* charCode, EventModifiers* modifiers) {
  if (PassesWithoutCheck(control, modifiers) || KeyFits(control)) return kControlKeyFilterPassKey;
  return charCode && IsEditingKey(*charCode) ? kControlKeyFilterPassKey : Refuse();
}

ControlKeyFilterResult EditControlAlphaNumericMaxLengthKeyFilter(ControlRef control, int16_t*,
                                                                 int16_t* charCode,
                                                                 EventModifiers* modifiers) {
  if (PassesWithoutCheck(control, modifiers)) return kControlKeyFilterPassKey;
  if (charCode && IsEditingKey(*charCode)) return kControlKeyFilterPassKey;
  return charCode && IsAsciiLetterOrDigit(*charCode) && KeyFits(control) ? kControlKeyFilterPassKey
                                                                         : Refuse();
}

void EditControlMaxLengthValidationProc(ControlRef control) {
  const int32_t maximum = GetControl32BitMaximum(control);
  if (maximum < 1 || GetEditTextLength(control) <= maximum) return;
  const bool password = GetControlKind(control) == ControlKind::PasswordText;
  std::string text;
  const OSStatus read =
      password ? GetControlPasswordText(control, &text) : GetControlText(control, &text);
  if (read != noErr) return;
  text = Utf8Prefix(text, maximum);
  if (password)
    SetControlPasswordText(control, text);
  else
    SetControlText(control, text);
  SysBeep(1);
}
