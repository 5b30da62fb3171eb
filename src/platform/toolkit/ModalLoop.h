#pragma once
// Application-modal loops, sheets and the system beep.
//
// Headless, nobody clicks: a modal driver stands in for the user. When a loop starts, the driver
// is called with the loop's window; it acts on the window (clicks, types) and its actions end the
// loop. An on-screen view installs a driver that runs its own event loop until the loop ends.
// Loops nest: an action inside a driver may start another loop, which calls the driver again.
#include <cstdint>
#include <functional>

#include "platform/toolkit/ToolkitTypes.h"

using ModalDriver = std::function<void(WindowRef window)>;

// Installs the driver and returns the one installed before (empty when none).
ModalDriver SetModalDriver(ModalDriver driver);

// Runs a modal loop for the window until QuitAppModalLoopForWindow ends it. When the driver
// returns (or there is none) without ending the loop, the loop ends with errModalLoopUnanswered
// rather than waiting for input that can never come.
OSStatus RunAppModalLoopForWindow(WindowRef window);
OSStatus QuitAppModalLoopForWindow(WindowRef window);
// Number of loops running, and whether one runs for the window.
uint32_t GetModalLoopDepth();
bool IsModalLoopRunningForWindow(WindowRef window);

// Sheets: a window of the sheet or sheet-alert class shown attached to a parent window.
OSStatus ShowSheetWindow(WindowRef sheet, WindowRef parent);
OSStatus HideSheetWindow(WindowRef sheet);
// The parent of a window shown as a sheet; errWindowNotSheet for any other window.
OSStatus GetSheetWindowParent(WindowRef window, WindowRef* parent);

// The system beep; the count lets tests see that it sounded.
void SysBeep(int16_t duration);
uint32_t GetSysBeepCount();
