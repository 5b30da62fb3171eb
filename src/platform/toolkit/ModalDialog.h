#pragma once
// A dialog run by its command handler: the handler is installed for command events on the
// window for the time of one application-modal loop and ends the loop itself
// (QuitAppModalLoopForWindow) when the user has answered.
#include <cstdint>

#include "platform/toolkit/Events.h"
#include "platform/toolkit/ToolkitTypes.h"

// Installs `handler`, shows the window (as a sheet on `sheetParent` when one is given and the
// window is of a sheet class; otherwise as a window in front), runs its modal loop and removes
// the handler. The caller keeps the window. Returns the loop's status, or the installation's.
OSStatus RunModalDialog(WindowRef window, EventHandlerUPP handler, void* userData,
                        WindowRef sheetParent = nullptr);

// The command of a command event; 0 for any other event.
uint32_t CommandOf(EventRef event);
