// Window creation and disposal, class, title, bounds, visibility, order, standard buttons.
#include "platform/toolkit/Windows.h"

#include <algorithm>

#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

namespace {

uint64_t gNextFrontOrder = 1;
std::vector<WindowRef> gWindows;  // creation order

bool IsValidClass(WindowClass c) {
  switch (c) {
    case kAlertWindowClass:
    case kMovableAlertWindowClass:
    case kModalWindowClass:
    case kMovableModalWindowClass:
    case kDocumentWindowClass:
    case kSheetWindowClass:
    case kPlainWindowClass:
    case kSheetAlertWindowClass:
      return true;
    default:
      return false;
  }
}

OSStatus SetButton(WindowRef window, ControlRef button, ControlRef ToolkitWindow::*slot) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  if (button && (!IsLiveControl(button) || button->window != window)) return errUnknownControl;
  window->*slot = button;
  NotifyWindowChanged(window, WindowChange::DefaultButtonsChanged);
  return noErr;
}

OSStatus GetButton(WindowRef window, ControlRef* button, ControlRef ToolkitWindow::*slot) {
  if (!IsLiveWindow(window) || !button) return errInvalidWindowRef;
  *button = window->*slot;
  return *button ? noErr : errUnknownControl;
}

}  // namespace

OSStatus CreateNewWindow(WindowClass windowClass, const Rect& contentBounds, WindowRef* outWindow) {
  if (!outWindow || !IsValidClass(windowClass)) return paramErr;
  auto* window = new ToolkitWindow;
  window->windowClass = windowClass;
  window->contentBounds = contentBounds;
  window->root = NewControl(ControlKind::RootControl,
                            {0, 0, RectHeight(contentBounds), RectWidth(contentBounds)});
  window->root->window = window;
  RegisterWindow(window);
  RegisterControl(window->root.get());
  gWindows.push_back(window);
  NotifyWindowChanged(window, WindowChange::Created);
  *outWindow = window;
  return noErr;
}

void DisposeWindow(WindowRef window) {
  if (!IsLiveWindow(window)) return;
  // End what still refers to the window: a modal loop for it, sheets shown on it.
  if (IsModalLoopRunningForWindow(window)) QuitAppModalLoopForWindow(window);
  for (WindowRef other : gWindows)
    if (other->sheetParent == window) HideSheetWindow(other);
  NotifyWindowChanged(window, WindowChange::Disposed);
  ForEachControl(window->root.get(), [](ControlRef c) { ForgetInstalledHandlers(c->handlers); });
  ForgetInstalledHandlers(window->handlers);
  ForgetControlTree(window->root.get());
  ForgetWindow(window);
  gWindows.erase(std::remove(gWindows.begin(), gWindows.end(), window), gWindows.end());
  delete window;
}

bool IsValidWindowHandle(WindowRef window) { return IsLiveWindow(window); }

std::vector<WindowRef> GetWindowList() {
  std::vector<WindowRef> list = gWindows;
  std::stable_sort(list.begin(), list.end(),
                   [](WindowRef a, WindowRef b) { return a->frontOrder > b->frontOrder; });
  return list;
}

OSStatus GetWindowClass(WindowRef window, WindowClass* windowClass) {
  if (!IsLiveWindow(window) || !windowClass) return errInvalidWindowRef;
  *windowClass = window->windowClass;
  return noErr;
}

std::string GetWindowName(WindowRef window) { return IsLiveWindow(window) ? window->name : ""; }

OSStatus SetWindowTitleWithCFString(WindowRef window, const std::string& title) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  window->title = title;
  NotifyWindowChanged(window, WindowChange::Retitled);
  return noErr;
}

std::optional<std::string> CopyWindowTitleAsCFString(WindowRef window) {
  if (!IsLiveWindow(window)) return std::nullopt;
  return window->title;
}

OSStatus GetWindowBounds(WindowRef window, Rect* contentBounds) {
  if (!IsLiveWindow(window) || !contentBounds) return errInvalidWindowRef;
  *contentBounds = window->contentBounds;
  return noErr;
}

OSStatus MoveWindow(WindowRef window, int16_t left, int16_t top, bool bringToFront) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  Rect& r = window->contentBounds;
  r = {top, left, int16_t(top + RectHeight(r)), int16_t(left + RectWidth(r))};
  NotifyWindowChanged(window, WindowChange::Moved);
  if (bringToFront) SelectWindow(window);
  return noErr;
}

void ShowWindow(WindowRef window) {
  if (!IsLiveWindow(window)) return;
  window->visible = true;
  window->frontOrder = gNextFrontOrder++;
  NotifyWindowChanged(window, WindowChange::Shown);
}

void HideWindow(WindowRef window) {
  if (!IsLiveWindow(window) || !window->visible) return;
  window->visible = false;
  NotifyWindowChanged(window, WindowChange::Hidden);
}

bool IsWindowVisible(WindowRef window) { return IsLiveWindow(window) && window->visible; }

void SelectWindow(WindowRef window) {
  if (!IsLiveWindow(window)) return;
  window->frontOrder = gNextFrontOrder++;
  NotifyWindowChanged(window, WindowChange::Shown);
}

WindowRef FrontWindow() {
  for (WindowRef w : GetWindowList())
    if (w->visible) return w;
  return nullptr;
}

CGrafPtr GetWindowPort(WindowRef window) { return IsLiveWindow(window) ? window : nullptr; }

OSStatus SetWindowDefaultButton(WindowRef window, ControlRef button) {
  return SetButton(window, button, &ToolkitWindow::defaultButton);
}
OSStatus GetWindowDefaultButton(WindowRef window, ControlRef* button) {
  return GetButton(window, button, &ToolkitWindow::defaultButton);
}
OSStatus SetWindowCancelButton(WindowRef window, ControlRef button) {
  return SetButton(window, button, &ToolkitWindow::cancelButton);
}
OSStatus GetWindowCancelButton(WindowRef window, ControlRef* button) {
  return GetButton(window, button, &ToolkitWindow::cancelButton);
}
