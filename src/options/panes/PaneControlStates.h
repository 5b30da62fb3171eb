#pragma once
// The enabled states, values and menu items the constraint rules change, by control ID. Every
// call skips a control that is not found and a menu item outside the popup's menu, so a rule may
// pass whatever value it read (-1 for a missing control) without checking it first.
#include <cstdint>
#include <initializer_list>

#include "options/CCorvelOptions.h"

// Enables the control when `enable` is true, disables it otherwise; null is skipped.
void SetControlEnabled(ControlRef control, bool enable);
// The same by control ID.
void SetPaneControlEnabled(CCorvelOptions& options, OSType pane, int32_t number, bool enable);
// The same for several controls of one pane.
void SetPaneControlEnabled(CCorvelOptions& options, OSType pane,
                           std::initializer_list<int32_t> numbers, bool enable);

// Item `item` of the popup's menu.
void SetPaneMenuItemEnabled(CCorvelOptions& options, OSType pane, int32_t number, int32_t item,
                            bool enable);
void SetPaneMenuItemsEnabled(CCorvelOptions& options, OSType pane, int32_t number,
                             std::initializer_list<int32_t> items, bool enable);
// Enables every item of the popup's menu.
void EnableAllPaneMenuItems(CCorvelOptions& options, OSType pane, int32_t number);
// True only when the item exists and is disabled.
bool IsPaneMenuItemDisabled(CCorvelOptions& options, OSType pane, int32_t number, int32_t item);

// The popup's value when it is one of its menu's items; 0 for a missing popup or an empty menu.
int32_t ShownMenuItem(CCorvelOptions& options, OSType pane, int32_t number);

// Redraws the control (a finishing picture, a rebuilt popup).
void RedrawPaneControl(CCorvelOptions& options, OSType pane, int32_t number);

// The value when it lies within first..last, `fallback` otherwise (a missing control reads -1).
constexpr int32_t MenuValueOr(int32_t value, int32_t first, int32_t last, int32_t fallback) {
  return value >= first && value <= last ? value : fallback;
}
