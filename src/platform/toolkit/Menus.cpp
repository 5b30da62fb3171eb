#include "platform/toolkit/Menus.h"

#include <algorithm>

#include "platform/toolkit/TextMetrics.h"
#include "platform/toolkit/ToolkitState.h"

namespace {

bool HasItem(MenuRef menu, uint16_t item) {
  return menu && item >= 1 && item <= menu->items.size();
}

void MenuChanged(MenuRef menu) {
  if (menu->owner) NotifyControlChanged(menu->owner, ControlChange::Menu);
}

}  // namespace

void DisposeMenu(MenuRef menu) {
  // A popup's own menu goes with its control, never through here.
  if (menu && !menu->owner) delete menu;
}

uint16_t CountMenuItems(MenuRef menu) { return menu ? uint16_t(menu->items.size()) : 0; }

OSStatus AppendMenuItemTextWithCFString(MenuRef menu, const std::string& text, uint32_t command,
                                        uint16_t* outIndex) {
  if (!menu || menu->items.size() >= UINT16_MAX) return paramErr;
  menu->items.push_back({text, true, false, command});
  if (outIndex) *outIndex = uint16_t(menu->items.size());
  MenuChanged(menu);
  return noErr;
}

OSStatus DeleteMenuItems(MenuRef menu, uint16_t firstItem, uint32_t count) {
  if (!HasItem(menu, firstItem)) return paramErr;
  const size_t first = firstItem - 1;
  const size_t last = std::min(menu->items.size(), first + count);
  menu->items.erase(menu->items.begin() + long(first), menu->items.begin() + long(last));
  MenuChanged(menu);
  return noErr;
}

void DeleteMenuItem(MenuRef menu, uint16_t item) { DeleteMenuItems(menu, item, 1); }

OSStatus DeleteAllMenuItems(MenuRef menu) {
  if (!menu) return paramErr;
  menu->items.clear();
  MenuChanged(menu);
  return noErr;
}

std::optional<std::string> CopyMenuItemTextAsCFString(MenuRef menu, uint16_t item) {
  if (!HasItem(menu, item)) return std::nullopt;
  return menu->items[item - 1].text;
}

void EnableMenuItem(MenuRef menu, uint16_t item) {
  if (!HasItem(menu, item)) return;
  menu->items[item - 1].enabled = true;
  MenuChanged(menu);
}

void DisableMenuItem(MenuRef menu, uint16_t item) {
  if (!HasItem(menu, item)) return;
  menu->items[item - 1].enabled = false;
  MenuChanged(menu);
}

bool IsMenuItemEnabled(MenuRef menu, uint16_t item) {
  return HasItem(menu, item) && menu->items[item - 1].enabled;
}

void CheckMenuItem(MenuRef menu, uint16_t item, bool checked) {
  if (!HasItem(menu, item)) return;
  menu->items[item - 1].checked = checked;
  MenuChanged(menu);
}

bool IsMenuItemChecked(MenuRef menu, uint16_t item) {
  return HasItem(menu, item) && menu->items[item - 1].checked;
}

uint32_t GetMenuItemCommandID(MenuRef menu, uint16_t item) {
  return HasItem(menu, item) ? menu->items[item - 1].command : 0;
}

int32_t GetMenuWidth(MenuRef menu, int16_t fontSize) {
  if (!menu) return 0;
  int32_t widest = 0;
  for (const MenuItemRecord& item : menu->items)
    widest = std::max(widest, MeasureTextWidth(item.text, fontSize));
  return widest + kMenuHorizontalMargins;
}
