#pragma once
// Menus: items with text, enabled state and check mark. Item numbers are 1-based.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/toolkit/ToolkitTypes.h"

// A menu that nothing owns yet; the caller disposes of it.
void DisposeMenu(MenuRef menu);

uint16_t CountMenuItems(MenuRef menu);
// Appends an item; outIndex (optional) receives its number.
OSStatus AppendMenuItemTextWithCFString(MenuRef menu, const std::string& text, uint32_t command,
                                        uint16_t* outIndex);
OSStatus DeleteMenuItems(MenuRef menu, uint16_t firstItem, uint32_t count);
void DeleteMenuItem(MenuRef menu, uint16_t item);
OSStatus DeleteAllMenuItems(MenuRef menu);
std::optional<std::string> CopyMenuItemTextAsCFString(MenuRef menu, uint16_t item);
void EnableMenuItem(MenuRef menu, uint16_t item);
void DisableMenuItem(MenuRef menu, uint16_t item);
bool IsMenuItemEnabled(MenuRef menu, uint16_t item);
void CheckMenuItem(MenuRef menu, uint16_t item, bool checked);
bool IsMenuItemChecked(MenuRef menu, uint16_t item);
uint32_t GetMenuItemCommandID(MenuRef menu, uint16_t item);
// Width of the menu when shown in text of that pixel size: the widest item plus the margins.
int32_t GetMenuWidth(MenuRef menu, int16_t fontSize);

// Extra width of a menu beyond its widest item (check-mark column and right margin).
inline constexpr int32_t kMenuHorizontalMargins = 32;
