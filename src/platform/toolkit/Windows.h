#pragma once
// Windows: class, title, content bounds, visibility and order, default and cancel buttons.
// The creator of a window disposes of it; disposing frees its controls and handlers.
#include <optional>
#include <string>
#include <vector>

#include "platform/toolkit/ToolkitTypes.h"

// A new, hidden window with an empty root control; contentBounds are global coordinates.
OSStatus CreateNewWindow(WindowClass windowClass, const Rect& contentBounds, WindowRef* outWindow);
void DisposeWindow(WindowRef window);
bool IsValidWindowHandle(WindowRef window);
// Every window that exists, front to back.
std::vector<WindowRef> GetWindowList();

OSStatus GetWindowClass(WindowRef window, WindowClass* windowClass);
// The name the window has in its interface file (empty for windows made in code).
std::string GetWindowName(WindowRef window);
OSStatus SetWindowTitleWithCFString(WindowRef window, const std::string& title);
std::optional<std::string> CopyWindowTitleAsCFString(WindowRef window);

// Content area in global coordinates.
OSStatus GetWindowBounds(WindowRef window, Rect* contentBounds);
// Moves the content area's top left corner; brings the window to the front when asked.
OSStatus MoveWindow(WindowRef window, int16_t left, int16_t top, bool bringToFront);

void ShowWindow(WindowRef window);
void HideWindow(WindowRef window);
// Puts every change of a shown window on screen now: the caller is about to block the thread
// that would otherwise draw it (a headless model has nothing to do).
OSStatus HIWindowFlush(WindowRef window);
bool IsWindowVisible(WindowRef window);
// Brings the window to the front.
void SelectWindow(WindowRef window);

// The drawing port of a window.
CGrafPtr GetWindowPort(WindowRef window);

// The buttons that Return (or Enter) and Escape press.
OSStatus SetWindowDefaultButton(WindowRef window, ControlRef button);
OSStatus GetWindowDefaultButton(WindowRef window, ControlRef* button);
OSStatus SetWindowCancelButton(WindowRef window, ControlRef button);
OSStatus GetWindowCancelButton(WindowRef window, ControlRef* button);
