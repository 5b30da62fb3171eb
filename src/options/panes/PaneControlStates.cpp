// Enabled states and menu items of the pane controls, for the constraint rules.
#include "options/panes/PaneControlStates.h"

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Menus.h"

namespace {

// The popup's menu when `item` is one of its items; null otherwise.
MenuRef MenuHolding(CCorvelOptions& options, OSType pane, int32_t number, int32_t item) {
  ControlRef control = options.GetCorvelControl(pane, number);
  MenuRef menu = control ? GetControlPopupMenuHandle(control) : nullptr;
  return menu && item >= 1 && item <= CountMenuItems(menu) ? menu : nullptr;
}

}  // namespace

void SetControlEnabled(ControlRef control, bool enable) {
  if (!control) return;
  if (enable)
    EnableControl(control);
  else
    DisableControl(control);
}

void SetPaneControlEnabled(CCorvelOptions& options, OSType pane, int32_t number, bool enable) {
  SetControlEnabled(options.GetCorvelControl(pane, number), enable);
}

void SetPaneControlEnabled(CCorvelOptions& options, OSType pane,
                           std::initializer_list<int32_t> numbers, bool enable) {
  for (int32_t number : numbers) SetPaneControlEnabled(options, pane, number, enable);
}

void SetPaneMenuItemEnabled(CCorvelOptions& options, OSType pane, int32_t number, int32_t item,
                            bool enable) {
  MenuRef menu = MenuHolding(options, pane, number, item);
  if (!menu) return;
  if (enable)
    EnableMenuItem(menu, uint16_t(item));
  else
    DisableMenuItem(menu, uint16_t(item));
}

void SetPaneMenuItemsEnabled(CCorvelOptions& options, OSType pane, int32_t number,
                             std::initializer_list<int32_t> items, bool enable) {
  for (int32_t item : items) SetPaneMenuItemEnabled(options, pane, number, item, enable);
}

void EnableAllPaneMenuItems(CCorvelOptions& options, OSType pane, int32_t number) {
  ControlRef control = options.GetCorvelControl(pane, number);
  MenuRef menu = control ? GetControlPopupMenuHandle(control) : nullptr;
  if (!menu) return;
  for (uint16_t item = 1, count = CountMenuItems(menu); item <= count; ++item)
    EnableMenuItem(menu, item);
}

bool IsPaneMenuItemDisabled(CCorvelOptions& options, OSType pane, int32_t number, int32_t item) {
  MenuRef menu = MenuHolding(options, pane, number, item);
  return menu && !IsMenuItemEnabled(menu, uint16_t(item));
}

int32_t ShownMenuItem(CCorvelOptions& options, OSType pane, int32_t number) {
  const int32_t value = options.GetCorvelControlValue(pane, number);
  return MenuHolding(options, pane, number, value) ? value : 0;
}

void RedrawPaneControl(CCorvelOptions& options, OSType pane, int32_t number) {
  if (ControlRef control = options.GetCorvelControl(pane, number)) Draw1Control(control);
}
