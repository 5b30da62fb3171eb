#pragma once
// Scoped owners for the toolkit's objects that their creator disposes of: a window, an interface
// file reference, a menu. Each disposes of its object exactly once, when it goes out of scope or is
// reset.
#include <memory>

#include "platform/toolkit/InterfaceFile.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/Windows.h"

struct WindowDisposer {
  void operator()(WindowRef window) const { DisposeWindow(window); }
};
// Owns a window made by CreateNewWindow or CreateWindowFromNib.
using WindowOwner = std::unique_ptr<OpaqueWindowRef, WindowDisposer>;

struct NibDisposer {
  void operator()(IBNibRef nib) const { DisposeNibReference(nib); }
};
// Owns an interface file reference made by CreateNibReferenceFromFile or
// CreateNibReferenceWithCFBundle.
using NibOwner = std::unique_ptr<ToolkitNib, NibDisposer>;

struct MenuDisposer {
  void operator()(MenuRef menu) const { DisposeMenu(menu); }
};
// Owns a menu made by CreateMenuFromNib or CreateNewMenu.
using MenuOwner = std::unique_ptr<ToolkitMenu, MenuDisposer>;
