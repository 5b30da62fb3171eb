// Control values, titles and texts, states, fonts, and the data of popups, tabs, image views
// and clocks.
#include <algorithm>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ToolkitState.h"

namespace {

bool IsTextKind(ControlKind kind) {
  return kind == ControlKind::EditText || kind == ControlKind::PasswordText ||
         kind == ControlKind::StaticText;
}

// The control of a handle when it is of that kind; null otherwise.
ToolkitControl* ResolveKind(ControlRef control, ControlKind kind) {
  ToolkitControl* c = ResolveControl(control);
  return c && c->kind == kind ? c : nullptr;
}

int32_t Clamp(const ToolkitControl& c, int32_t value) {
  if (c.maximum < c.minimum) return c.minimum;
  return std::clamp(value, c.minimum, c.maximum);
}

void SetEnabled(ControlRef control, bool enabled) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || c->enabled == enabled) return;
  c->enabled = enabled;
  NotifyControlChanged(c, ControlChange::State);
}

// Sets one end of the range and keeps the value within it. Text fields keep their maximum as a
// length limit; their value is not used.
void SetRangeEnd(ControlRef control, int32_t ToolkitControl::*end, int32_t limit) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return;
  c->*end = limit;
  NotifyControlChanged(c, ControlChange::Range);
  if (!IsTextKind(c->kind)) ChangeValue(c, c->value);
}

std::string Bullets(int32_t count) {
  std::string shown;
  for (int32_t i = 0; i < count; ++i) shown += "\xE2\x80\xA2";  // U+2022 bullet
  return shown;
}

}  // namespace

void ChangeValue(ToolkitControl* c, int32_t value) {
  const int32_t clamped = Clamp(*c, value);
  if (clamped == c->value) return;
  c->value = clamped;
  NotifyControlChanged(c, ControlChange::Value);
}

int32_t GetControl32BitValue(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->value : 0;
}

void SetControl32BitValue(ControlRef control, int32_t value) {
  if (ToolkitControl* c = ResolveControl(control)) ChangeValue(c, value);
}

int32_t GetControl32BitMinimum(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->minimum : 0;
}

void SetControl32BitMinimum(ControlRef control, int32_t minimum) {
  SetRangeEnd(control, &ToolkitControl::minimum, minimum);
}

int32_t GetControl32BitMaximum(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->maximum : 0;
}

void SetControl32BitMaximum(ControlRef control, int32_t maximum) {
  SetRangeEnd(control, &ToolkitControl::maximum, maximum);
}

OSStatus SetControlTitleWithCFString(ControlRef control, const std::string& title) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  c->title = title;
  NotifyControlChanged(c, ControlChange::Title);
  return noErr;
}

std::optional<std::string> CopyControlTitleAsCFString(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return std::nullopt;
  return c->title;
}

OSStatus SetControlText(ControlRef control, const std::string& text) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !IsTextKind(c->kind)) return errUnknownControl;
  c->text = text;
  c->selectionStart = c->selectionEnd = Utf8Length(text);
  NotifyControlChanged(c, ControlChange::Text);
  return noErr;
}

OSStatus GetControlText(ControlRef control, std::string* text) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !IsTextKind(c->kind) || !text) return errUnknownControl;
  *text = c->kind == ControlKind::PasswordText ? Bullets(Utf8Length(c->text)) : c->text;
  return noErr;
}

OSStatus SetControlCommandID(ControlRef control, uint32_t command) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  c->command = command;
  return noErr;
}

OSStatus GetControlCommandID(ControlRef control, uint32_t* command) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !command) return errUnknownControl;
  *command = c->command;
  return noErr;
}

void SetControlReference(ControlRef control, void* reference) {
  if (ToolkitControl* c = ResolveControl(control)) c->reference = reference;
}

void* GetControlReference(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->reference : nullptr;
}

void EnableControl(ControlRef control) { SetEnabled(control, true); }
void DisableControl(ControlRef control) { SetEnabled(control, false); }

OSStatus ActivateControl(ControlRef control) {
  if (!IsValidControlHandle(control)) return errUnknownControl;
  EnableControl(control);
  return noErr;
}

bool IsControlEnabled(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c && c->enabled;
}

bool IsControlVisible(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c && c->visible;
}

bool IsActive(const ToolkitControl* control) {
  for (const ToolkitControl* c = control; c; c = c->parent)
    if (!c->enabled || !c->visible) return false;
  return true;
}

OSStatus SetControlVisibility(ControlRef control, bool visible, bool draw) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  if (c->visible != visible) {
    c->visible = visible;
    NotifyControlChanged(c, ControlChange::State);
  }
  if (draw) Draw1Control(control);
  return noErr;
}

void ShowControl(ControlRef control) { SetControlVisibility(control, true, true); }
void HideControl(ControlRef control) { SetControlVisibility(control, false, true); }

OSStatus SetControlFontStyle(ControlRef control, const ControlFontStyleRec& style) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  if (style.font >= 0) c->fontID = style.font;
  if (style.size >= 0) c->fontSize = style.size == 0 ? kSystemFontSize : style.size;
  if (style.style >= 0) c->fontStyle = style.style;
  NotifyControlChanged(c, ControlChange::Font);
  return noErr;
}

OSStatus GetControlFontStyle(ControlRef control, ControlFontStyleRec* style) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !style) return errUnknownControl;
  *style = {c->fontID, c->fontSize, c->fontStyle};
  return noErr;
}

MenuRef GetControlPopupMenuHandle(ControlRef popup) {
  ToolkitControl* c = ResolveControl(popup);
  return c ? c->menu.get() : nullptr;
}

std::vector<std::string> GetTabTitles(ControlRef tabs) {
  std::vector<std::string> titles;
  if (ToolkitControl* c = ResolveControl(tabs))
    for (const TabRecord& tab : c->tabs) titles.push_back(tab.title);
  return titles;
}

bool IsTabEnabled(ControlRef tabs, uint16_t tab) {
  ToolkitControl* c = ResolveControl(tabs);
  return c && tab >= 1 && tab <= c->tabs.size() && c->tabs[tab - 1].enabled;
}

OSStatus HIImageViewSetImage(ControlRef view, const CGImageRef& image) {
  ToolkitControl* c = ResolveKind(view, ControlKind::ImageView);
  if (!c) return errUnknownControl;
  c->image = image;
  NotifyControlChanged(c, ControlChange::Image);
  return noErr;
}

CGImageRef HIImageViewCopyImage(ControlRef view) {
  ToolkitControl* c = ResolveControl(view);
  return c ? c->image : nullptr;
}

OSStatus GetClockDateTime(ControlRef clock, LongDateRec* date) {
  ToolkitControl* c = ResolveKind(clock, ControlKind::Clock);
  if (!c || !date) return errUnknownControl;
  *date = c->clock;
  return noErr;
}

OSStatus SetClockDateTime(ControlRef clock, const LongDateRec& date) {
  ToolkitControl* c = ResolveKind(clock, ControlKind::Clock);
  if (!c) return errUnknownControl;
  const bool valid = date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31 &&
                     date.hour >= 0 && date.hour <= 23 && date.minute >= 0 && date.minute <= 59 &&
                     date.second >= 0 && date.second <= 59;
  if (!valid) return paramErr;
  c->clock = date;
  NotifyControlChanged(c, ControlChange::Clock);
  return noErr;
}
