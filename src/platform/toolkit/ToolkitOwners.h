#pragma once
// Scoped owners for the toolkit's objects that their creator disposes of: a window, an interface
// file reference, a menu. Each disposes of its object exactly once, when it goes out of scope or is
// reset.
#include <memory>

#include "support/COwner.h"
#include "platform/toolkit/InterfaceFile.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/Windows.h"

// Owns a window made by CreateNewWindow or CreateWindowFromNib.
using WindowOwner = COwner<OpaqueWindowRef, DisposeWindow>;

// Owns an interface file reference made by CreateNibReferenceFromFile or
// CreateNibReferenceWithCFBundle.
using NibOwner = COwner<ToolkitNib, DisposeNibReference>;

// Owns a menu made by CreateMenuFromNib.
using MenuOwner = COwner<ToolkitMenu, DisposeMenu>;
