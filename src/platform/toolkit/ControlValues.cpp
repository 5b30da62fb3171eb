// Control values, titles and texts, states, fonts, and the data of popups, tabs, image views
// and clocks.
#include <algorithm>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

namespace {

bool IsTextKind(ControlKind kind) {
  return kind == ControlKind::EditText || kind == ControlKind::PasswordText ||
         kind == ControlKind::StaticText;
}

int32_t Clamp(const ToolkitControl& c, int32_t value) {
  if (c.maximum < c.minimum) return c.minimum;
  return std::clamp(value, c.minimum, c.maximum);
}

void ChangeValue(ControlRef c, int32_t value) {
  const int32_t clamped = Clamp(*c, value);
  if (clamped == c->value) return;
  c->value = clamped;
  NotifyControlChanged(c, ControlChange::Value);
}

void SetEnabled(ControlRef c, bool enabled) {
  if (!IsLiveControl(c) || c->enabled == enabled) return;
  c->enabled = enabled;
  NotifyControlChanged(c, ControlChange::State);
}

std::string Bullets(int32_t count) {
  std::string shown;
  for (int32_t i = 0; i < count; ++i) shown += "\xE2\x80\xA2";  // U+2022 bullet
  return shown;
}

}  // namespace

int32_t GetControl32BitValue(ControlRef control) {
  return IsLiveControl(control) ? control->value : 0;
}

void SetControl32BitValue(ControlRef control, int32_t value) {
  if (IsLiveControl(control)) ChangeValue(control, value);
}

int32_t GetControl32BitMinimum(ControlRef control) {
  return IsLiveControl(control) ? control->minimum : 0;
}

void SetControl32BitMinimum(ControlRef control, int32_t minimum) {
  if (!IsLiveControl(control)) return;
  control->minimum = minimum;
  NotifyControlChanged(control, ControlChange::Range);
  ChangeValue(control, control->value);
}

int32_t GetControl32BitMaximum(ControlRef control) {
  return IsLiveControl(control) ? control->maximum : 0;
}

void SetControl32BitMaximum(ControlRef control, int32_t maximum) {
  if (!IsLiveControl(control)) return;
  control->maximum = maximum;
  NotifyControlChanged(control, ControlChange::Range);
  // Text fields keep their maximum as a length limit; their value is not used.
  if (!IsTextKind(control->kind)) ChangeValue(control, control->value);
}

OSStatus SetControlTitleWithCFString(ControlRef control, const std::string& title) {
  if (!IsLiveControl(control)) return errUnknownControl;
  control->title = title;
  NotifyControlChanged(control, ControlChange::Title);
  return noErr;
}

std::optional<std::string> CopyControlTitleAsCFString(ControlRef control) {
  if (!IsLiveControl(control)) return std::nullopt;
  return control->title;
}

OSStatus SetControlText(ControlRef control, const std::string& text) {
  if (!IsLiveControl(control) || !IsTextKind(control->kind)) return errUnknownControl;
  control->text = text;
  control->selectionStart = control->selectionEnd = Utf8Length(text);
  NotifyControlChanged(control, ControlChange::Text);
  return noErr;
}

OSStatus GetControlText(ControlRef control, std::string* text) {
  if (!IsLiveControl(control) || !IsTextKind(control->kind) || !text) return errUnknownControl;
  *text = control->kind == ControlKind::PasswordText ? Bullets(Utf8Length(control->text))
                                                     : control->text;
  return noErr;
}

OSStatus SetControlCommandID(ControlRef control, uint32_t command) {
  if (!IsLiveControl(control)) return errUnknownControl;
  control->command = command;
  return noErr;
}

OSStatus GetControlCommandID(ControlRef control, uint32_t* command) {
  if (!IsLiveControl(control) || !command) return errUnknownControl;
  *command = control->command;
  return noErr;
}

void SetControlReference(ControlRef control, void* reference) {
  if (IsLiveControl(control)) control->reference = reference;
}

void* GetControlReference(ControlRef control) {
  return IsLiveControl(control) ? control->reference : nullptr;
}

void EnableControl(ControlRef control) { SetEnabled(control, true); }
void DisableControl(ControlRef control) { SetEnabled(control, false); }
bool IsControlEnabled(ControlRef control) { return IsLiveControl(control) && control->enabled; }
bool IsControlVisible(ControlRef control) { return IsLiveControl(control) && control->visible; }

bool IsControlActive(ControlRef control) {
  if (!IsLiveControl(control)) return false;
  for (ControlRef c = control; c; c = c->parent)
    if (!c->enabled || !c->visible) return false;
  return true;
}

OSStatus SetControlVisibility(ControlRef control, bool visible, bool draw) {
  if (!IsLiveControl(control)) return errUnknownControl;
  if (control->visible != visible) {
    control->visible = visible;
    NotifyControlChanged(control, ControlChange::State);
  }
  if (draw) Draw1Control(control);
  return noErr;
}

void ShowControl(ControlRef control) { SetControlVisibility(control, true, true); }
void HideControl(ControlRef control) { SetControlVisibility(control, false, true); }

OSStatus SetControlFontStyle(ControlRef control, const ControlFontStyleRec& style) {
  if (!IsLiveControl(control)) return errUnknownControl;
  if (style.font >= 0) control->fontID = style.font;
  if (style.size >= 0) control->fontSize = style.size == 0 ? kSystemFontSize : style.size;
  if (style.style >= 0) control->fontStyle = style.style;
  NotifyControlChanged(control, ControlChange::Font);
  return noErr;
}

OSStatus GetControlFontStyle(ControlRef control, ControlFontStyleRec* style) {
  if (!IsLiveControl(control) || !style) return errUnknownControl;
  *style = {control->fontID, control->fontSize, control->fontStyle};
  return noErr;
}

MenuRef GetControlPopupMenuHandle(ControlRef popup) {
  return IsLiveControl(popup) ? popup->menu.get() : nullptr;
}

OSStatus SetControlPopupMenuHandle(ControlRef popup, MenuRef menu) {
  if (!IsLiveControl(popup) || popup->kind != ControlKind::PopupButton) return errUnknownControl;
  if (!menu) return paramErr;
  if (menu != popup->menu.get()) {
    popup->menu->items = menu->items;
    popup->menu->menuID = menu->menuID;
  }
  NotifyControlChanged(popup, ControlChange::Menu);
  return noErr;
}

OSStatus SetTabTitles(ControlRef tabs, const std::vector<std::string>& titles) {
  if (!IsLiveControl(tabs) || tabs->kind != ControlKind::TabControl) return errUnknownControl;
  tabs->tabs.clear();
  for (const std::string& title : titles) tabs->tabs.push_back({title, true});
  NotifyControlChanged(tabs, ControlChange::Tabs);
  return noErr;
}

std::vector<std::string> GetTabTitles(ControlRef tabs) {
  std::vector<std::string> titles;
  if (IsLiveControl(tabs))
    for (const TabRecord& tab : tabs->tabs) titles.push_back(tab.title);
  return titles;
}

OSStatus SetTabEnabled(ControlRef tabs, uint16_t tab, bool enabled) {
  if (!IsLiveControl(tabs) || tabs->kind != ControlKind::TabControl) return errUnknownControl;
  if (tab < 1 || tab > tabs->tabs.size()) return paramErr;
  tabs->tabs[tab - 1].enabled = enabled;
  NotifyControlChanged(tabs, ControlChange::Tabs);
  return noErr;
}

bool IsTabEnabled(ControlRef tabs, uint16_t tab) {
  return IsLiveControl(tabs) && tab >= 1 && tab <= tabs->tabs.size() && tabs->tabs[tab - 1].enabled;
}

OSStatus HIImageViewSetImage(ControlRef view, const CGImageRef& image) {
  if (!IsLiveControl(view) || view->kind != ControlKind::ImageView) return errUnknownControl;
  view->image = image;
  NotifyControlChanged(view, ControlChange::Image);
  return noErr;
}

CGImageRef HIImageViewCopyImage(ControlRef view) {
  return IsLiveControl(view) ? view->image : nullptr;
}

OSStatus GetClockDateTime(ControlRef clock, LongDateRec* date) {
  if (!IsLiveControl(clock) || clock->kind != ControlKind::Clock || !date) return errUnknownControl;
  *date = clock->clock;
  return noErr;
}

OSStatus SetClockDateTime(ControlRef clock, const LongDateRec& date) {
  if (!IsLiveControl(clock) || clock->kind != ControlKind::Clock) return errUnknownControl;
  const bool valid = date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31 &&
                     date.hour >= 0 && date.hour <= 23 && date.minute >= 0 && date.minute <= 59 &&
                     date.second >= 0 && date.second <= 59;
  if (!valid) return paramErr;
  clock->clock = date;
  NotifyControlChanged(clock, ControlChange::Clock);
  return noErr;
}
