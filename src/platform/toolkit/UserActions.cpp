// The user's clicks, keystrokes and choices, delivered as the toolkit delivers them.
#include "platform/toolkit/UserActions.h"

#include <algorithm>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Events.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

namespace {

OSStatus CheckClickable(ControlRef control) {
  if (!IsLiveControl(control)) return errUnknownControl;
  return IsControlActive(control) ? noErr : errControlInactive;
}

// Tracking: the value change a click makes before anybody hears of the hit.
void Track(ControlRef c) {
  switch (c->kind) {
    case ControlKind::CheckBox:
      SetControl32BitValue(c, c->value == 0 ? 1 : 0);
      break;
    case ControlKind::RadioButton:
      SetControl32BitValue(c, 1);
      break;
    case ControlKind::BevelButton:
      if (c->bevelBehavior == BevelBehavior::Toggles)
        SetControl32BitValue(c, c->value == 0 ? 1 : 0);
      if (c->bevelBehavior == BevelBehavior::Sticky) SetControl32BitValue(c, 1);
      break;
    case ControlKind::EditText:
    case ControlKind::PasswordText:
    case ControlKind::DataBrowser:
    case ControlKind::Clock:
      SetKeyboardFocus(c->window, c);
      break;
    default:
      break;
  }
}

// Tab moves the focus to the next active text field of the window, wrapping around.
void AdvanceFocus(WindowRef window) {
  std::vector<ControlRef> fields;
  ForEachControl(window->root.get(), [&](ControlRef c) {
    if (IsTextField(c) && IsControlActive(c)) fields.push_back(c);
  });
  if (fields.empty()) return;
  size_t next = 0;
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i] == window->focus) next = (i + 1) % fields.size();
  SetKeyboardFocus(window, fields[next]);
}

void Validate(ControlRef field) {
  if (IsLiveControl(field) && field->validationProc) field->validationProc(field);
}

// Decodes one UTF-8 character at i (advancing i); invalid bytes give U+FFFD.
uint32_t NextCodePoint(const std::string& s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (lead >= 0x80 && extra == 0) return 0xFFFD;
  uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    code = (code << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return code;
}

}  // namespace

OSStatus UserClickControl(ControlRef control) {
  if (OSStatus status = CheckClickable(control); status != noErr) return status;
  Track(control);
  return SendControlHitEvent(control);
}

OSStatus UserChoosePopupItem(ControlRef popup, uint16_t item) {
  if (OSStatus status = CheckClickable(popup); status != noErr) return status;
  if (popup->kind != ControlKind::PopupButton) return errUnknownControl;
  if (item < 1 || item > CountMenuItems(popup->menu.get()) || item > popup->maximum ||
      !IsMenuItemEnabled(popup->menu.get(), item))
    return paramErr;
  SetControl32BitValue(popup, item);
  return SendControlHitEvent(popup);
}

OSStatus UserClickTab(ControlRef tabs, uint16_t tab) {
  if (OSStatus status = CheckClickable(tabs); status != noErr) return status;
  if (tabs->kind != ControlKind::TabControl) return errUnknownControl;
  const bool offered = tab >= 1 && tab <= tabs->maximum;
  const bool enabled = tab > tabs->tabs.size() || tabs->tabs[tab - 1].enabled;
  if (!offered || !enabled) return paramErr;
  SetControl32BitValue(tabs, tab);
  return SendControlHitEvent(tabs);
}

OSStatus UserTypeKey(WindowRef window, int16_t charCode, EventModifiers modifiers) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  const bool confirms = charCode == kReturnCharCode || charCode == kEnterCharCode;
  if (confirms && window->defaultButton) return UserClickControl(window->defaultButton);
  if (charCode == kEscapeCharCode && window->cancelButton)
    return UserClickControl(window->cancelButton);
  ControlRef field = window->focus;
  if (!IsTextField(field)) return eventNotHandledErr;
  if (!IsControlActive(field)) return errControlInactive;
  int16_t keyCode = 0;
  if (field->keyFilter &&
      field->keyFilter(field, &keyCode, &charCode, &modifiers) == kControlKeyFilterBlockKey)
    return noErr;  // the filter took the key
  if (!IsLiveControl(field) || (modifiers & cmdKey)) return eventNotHandledErr;
  if (charCode == kTabCharCode) {
    AdvanceFocus(window);
    return noErr;
  }
  if (ApplyEditingKey(field, charCode)) Validate(field);
  return noErr;
}

OSStatus UserTypeText(WindowRef window, const std::string& text) {
  OSStatus status = noErr;
  for (size_t i = 0; i < text.size();) {
    const uint32_t code = NextCodePoint(text, i);
    if (code > 0xFFFF) continue;  // beyond what one key delivers
    status = UserTypeKey(window, static_cast<int16_t>(static_cast<uint16_t>(code)));
    if (status != noErr) return status;
  }
  return status;
}

OSStatus UserPaste(WindowRef window, const std::string& text) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  ControlRef field = window->focus;
  if (!IsTextField(field)) return eventNotHandledErr;
  if (!IsControlActive(field)) return errControlInactive;
  if (ReplaceFieldSelection(field, text)) Validate(field);
  return noErr;
}

OSStatus UserSelectListRow(ControlRef list, DataBrowserItemID item) {
  if (OSStatus status = CheckClickable(list); status != noErr) return status;
  if (list->kind != ControlKind::DataBrowser) return errUnknownControl;
  if (std::find(list->rows.begin(), list->rows.end(), item) == list->rows.end()) return paramErr;
  SetKeyboardFocus(list->window, list);
  return SetDataBrowserSelectedItems(list, 1, &item, kDataBrowserItemsAssign);
}

OSStatus UserSetClock(ControlRef clock, const LongDateRec& date) {
  if (OSStatus status = CheckClickable(clock); status != noErr) return status;
  return SetClockDateTime(clock, date);
}
