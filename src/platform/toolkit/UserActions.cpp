// The user's clicks, keystrokes, commands and choices, delivered as the toolkit delivers them.
#include "platform/toolkit/UserActions.h"

#include <algorithm>

#include "platform/UTF8.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitState.h"

namespace {

// A window takes the user's input when it is shown and, while an application-modal loop runs,
// when it is the loop's window or a sheet shown on it.
OSStatus CheckReachable(const ToolkitWindow* window) {
  if (!window->visible) return errWindowBlocked;
  const ToolkitWindow* modal = ToolkitState::Get().ModalWindow();
  if (!modal) return noErr;
  for (const ToolkitWindow* w = window; w; w = w->sheetParent)
    if (w == modal) return noErr;
  return errWindowBlocked;
}

// The window of a handle when it takes input; null (and the reason in `status`) otherwise.
ToolkitWindow* ReachableWindow(WindowRef window, OSStatus& status) {
  ToolkitWindow* w = ResolveWindow(window);
  status = w ? CheckReachable(w) : errInvalidWindowRef;
  return status == noErr ? w : nullptr;
}

// The control of a handle when a user can click it: of that kind (any kind when none is given),
// active, in a window that takes input. Null (and the reason in `status`) otherwise.
ToolkitControl* ClickableControl(ControlRef control, OSStatus& status,
                                 std::optional<ControlKind> kind = std::nullopt) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || (kind && c->kind != *kind)) {
    status = errUnknownControl;
  } else if (!IsActive(c)) {
    status = errControlInactive;
  } else {
    status = CheckReachable(c->window);
  }
  return status == noErr ? c : nullptr;
}

// Tracking: the value change a click makes before anybody hears of the hit.
void Track(ToolkitControl* c) {
  switch (c->kind) {
    case ControlKind::CheckBox:
      ChangeValue(c, c->value == 0 ? 1 : 0);
      break;
    case ControlKind::RadioButton:
      ChangeValue(c, 1);
      break;
    case ControlKind::BevelButton:
      if (c->bevelBehavior == BevelBehavior::Toggles) ChangeValue(c, c->value == 0 ? 1 : 0);
      if (c->bevelBehavior == BevelBehavior::Sticky) ChangeValue(c, 1);
      break;
    case ControlKind::EditText:
    case ControlKind::PasswordText:
    case ControlKind::DataBrowser:
    case ControlKind::Clock:
      FocusControl(c->window, c);
      break;
    default:
      break;
  }
}

// Tab moves the focus to the next active text field of the window, wrapping around.
void AdvanceFocus(ToolkitWindow* window) {
  std::vector<ToolkitControl*> fields;
  ForEachControl(window->root.get(), [&](ToolkitControl* c) {
    if (IsTextField(c) && IsActive(c)) fields.push_back(c);
  });
  if (fields.empty()) return;
  size_t next = 0;
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i] == window->focus) next = (i + 1) % fields.size();
  FocusControl(window, fields[next]);
}

void Validate(ControlRef field) {
  ToolkitControl* c = ResolveControl(field);
  if (c && c->validationProc) c->validationProc(field);
}

// The focused field of a window that takes input, when it is active; null (and the reason in
// `status`) otherwise.
ToolkitControl* FocusedField(WindowRef window, OSStatus& status) {
  ToolkitWindow* w = ReachableWindow(window, status);
  if (!w) return nullptr;
  ToolkitControl* field = w->focus;
  status = !IsTextField(field) ? eventNotHandledErr : IsActive(field) ? noErr : errControlInactive;
  return status == noErr ? field : nullptr;
}

// A character the field cannot hold is refused with a beep, as a key filter refuses a key.
bool RefuseUnholdable(const std::string& text) {
  if (FieldCanHold(text)) return false;
  SysBeep(1);
  return true;
}

// Decodes one UTF-8 character at i (advancing i); a malformed byte is stepped over as U+FFFD.
uint32_t NextCodePoint(const std::string& s, size_t& i) {
  const std::optional<UTF8Character> character = DecodeUTF8Character(s, i);
  i += character ? character->length : 1;
  return character ? character->code : 0xFFFD;
}

OSStatus ClickButton(ToolkitControl* button) { return UserClickControl(button->handle); }

// A paste is filtered like typing: a control character, which no key types into a field, or a
// character the field's key filter refuses (the filter beeps) refuses the whole paste. False
// when the paste is refused or the filter disposed of the field.
bool KeyFilterTakesPaste(ControlRef field, const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    int16_t charCode = static_cast<int16_t>(static_cast<uint16_t>(NextCodePoint(text, i)));
    if (TypedCharacter(charCode).empty()) {
      SysBeep(1);
      return false;
    }
    const ToolkitControl* c = ResolveControl(field);
    if (!c) return false;
    int16_t keyCode = 0;
    EventModifiers modifiers = 0;
    if (c->keyFilter &&
        c->keyFilter(field, &keyCode, &charCode, &modifiers) == kControlKeyFilterBlockKey)
      return false;
  }
  return ResolveControl(field) != nullptr;
}

}  // namespace

OSStatus UserClickControl(ControlRef control) {
  OSStatus status;
  ToolkitControl* c = ClickableControl(control, status);
  if (!c) return status;
  Track(c);
  return DispatchControlHit(c);
}

OSStatus UserChoosePopupItem(ControlRef popup, uint16_t item) {
  OSStatus status;
  ToolkitControl* c = ClickableControl(popup, status, ControlKind::PopupButton);
  if (!c) return status;
  if (item < 1 || item > CountMenuItems(c->menu.get()) || item > c->maximum ||
      !IsMenuItemEnabled(c->menu.get(), item))
    return paramErr;
  ChangeValue(c, item);
  return DispatchControlHit(c);
}

OSStatus UserClickTab(ControlRef tabs, uint16_t tab) {
  OSStatus status;
  ToolkitControl* c = ClickableControl(tabs, status, ControlKind::TabControl);
  if (!c) return status;
  const bool offered = tab >= 1 && tab <= c->maximum;
  const bool enabled = tab > c->tabs.size() || c->tabs[tab - 1].enabled;
  if (!offered || !enabled) return paramErr;
  ChangeValue(c, tab);
  return DispatchControlHit(c);
}

OSStatus UserTypeKey(WindowRef window, int16_t charCode, EventModifiers modifiers) {
  OSStatus status;
  ToolkitWindow* w = ReachableWindow(window, status);
  if (!w) return status;
  const bool confirms = charCode == kReturnCharCode || charCode == kEnterCharCode;
  if (confirms && w->defaultButton) return ClickButton(w->defaultButton);
  if (charCode == kEscapeCharCode && w->cancelButton) return ClickButton(w->cancelButton);
  ToolkitControl* field = FocusedField(window, status);
  if (!field) return status;
  const ControlRef handle = field->handle;
  int16_t keyCode = 0;
  if (field->keyFilter &&
      field->keyFilter(handle, &keyCode, &charCode, &modifiers) == kControlKeyFilterBlockKey)
    return noErr;                  // the filter took the key
  field = ResolveControl(handle);  // the filter may have disposed of it
  if (!field || (modifiers & cmdKey)) return eventNotHandledErr;
  if (charCode == kTabCharCode) {
    AdvanceFocus(field->window);
    return noErr;
  }
  if (RefuseUnholdable(TypedCharacter(charCode))) return noErr;
  if (ApplyEditingKey(field, charCode)) Validate(handle);
  return noErr;
}

OSStatus UserTypeText(WindowRef window, const std::string& text) {
  OSStatus status = noErr;
  for (size_t i = 0; i < text.size();) {
    const uint32_t code = NextCodePoint(text, i);
    if (code > 0xFFFF) {  // beyond what one key delivers: refused like any other key
      SysBeep(1);
      continue;
    }
    status = UserTypeKey(window, static_cast<int16_t>(static_cast<uint16_t>(code)));
    if (status != noErr) return status;
  }
  return status;
}

OSStatus UserPaste(WindowRef window, const std::string& text) {
  OSStatus status;
  ToolkitControl* field = FocusedField(window, status);
  if (!field) return status;
  const ControlRef handle = field->handle;
  // Nothing of a refused paste goes in.
  if (RefuseUnholdable(text) || !KeyFilterTakesPaste(handle, text)) return noErr;
  if (ReplaceFieldSelection(ResolveControl(handle), text)) Validate(handle);
  return noErr;
}

OSStatus UserSendCommand(WindowRef window, uint32_t commandID) {
  OSStatus status;
  if (!ReachableWindow(window, status)) return status;
  return ProcessHICommand(window, nullptr, commandID);
}

OSStatus UserSelectListRow(ControlRef list, DataBrowserItemID item) {
  OSStatus status;
  ToolkitControl* c = ClickableControl(list, status, ControlKind::DataBrowser);
  if (!c) return status;
  if (std::find(c->rows.begin(), c->rows.end(), item) == c->rows.end()) return paramErr;
  FocusControl(c->window, c);
  return SetDataBrowserSelectedItems(list, 1, &item, kDataBrowserItemsAssign);
}

OSStatus UserSetClock(ControlRef clock, const LongDateRec& date) {
  OSStatus status;
  if (!ClickableControl(clock, status, ControlKind::Clock)) return status;
  return SetClockDateTime(clock, date);
}
