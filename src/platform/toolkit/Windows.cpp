// Window creation and disposal, class, title, bounds, visibility, order, standard buttons.
#include "platform/toolkit/Windows.h"

#include <algorithm>

#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitState.h"

namespace {

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

OSStatus SetButton(WindowRef windowRef, ControlRef buttonRef,
                   ToolkitControl* ToolkitWindow::*slot) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return errInvalidWindowRef;
  ToolkitControl* button = ResolveControl(buttonRef);
  if (buttonRef && (!button || button->window != window)) return errUnknownControl;
  window->*slot = button;
  NotifyWindowChanged(window, WindowChange::DefaultButtonsChanged);
  return noErr;
}

OSStatus GetButton(WindowRef windowRef, ControlRef* button, ToolkitControl* ToolkitWindow::*slot) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !button) return errInvalidWindowRef;
  ToolkitControl* found = window->*slot;
  *button = found ? found->handle : nullptr;
  return found ? noErr : errUnknownControl;
}

void BringToFront(ToolkitWindow* window) {
  window->frontOrder = ToolkitState::Get().NextFrontOrder();
}

}  // namespace

std::unique_ptr<ToolkitWindow> NewWindow(WindowClass windowClass, const Rect& contentBounds) {
  auto window = std::make_unique<ToolkitWindow>();
  window->windowClass = windowClass;
  window->contentBounds = contentBounds;
  window->root = NewControl(ControlKind::RootControl,
                            {0, 0, RectHeight(contentBounds), RectWidth(contentBounds)});
  window->root->window = window.get();
  return window;
}

WindowRef AddNewWindow(std::unique_ptr<ToolkitWindow> window) {
  ToolkitWindow& added = ToolkitState::Get().AddWindow(std::move(window));
  NotifyWindowChanged(&added, WindowChange::Created);
  for (auto& child : added.root->children)
    ForEachControl(child.get(),
                   [](ToolkitControl* c) { NotifyControlChanged(c, ControlChange::Created); });
  return added.handle;
}

OSStatus CreateNewWindow(WindowClass windowClass, const Rect& contentBounds, WindowRef* outWindow) {
  if (!outWindow || !IsValidClass(windowClass)) return paramErr;
  *outWindow = AddNewWindow(NewWindow(windowClass, contentBounds));
  return noErr;
}

void DisposeWindow(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return;
  // End what still refers to the window: a modal loop for it, sheets shown on it.
  if (IsModalLoopRunningForWindow(windowRef)) QuitAppModalLoopForWindow(windowRef);
  for (ToolkitWindow* other : ToolkitState::Get().Windows())
    if (other->sheetParent == window) HideSheetWindow(other->handle);
  NotifyWindowChanged(window, WindowChange::Disposed);
  ToolkitState::Get().RemoveWindow(window);
}

bool IsValidWindowHandle(WindowRef window) { return ResolveWindow(window) != nullptr; }

std::vector<WindowRef> GetWindowList() {
  std::vector<ToolkitWindow*> windows = ToolkitState::Get().Windows();
  std::stable_sort(windows.begin(), windows.end(), [](ToolkitWindow* a, ToolkitWindow* b) {
    return a->frontOrder > b->frontOrder;
  });
  std::vector<WindowRef> list;
  for (ToolkitWindow* window : windows) list.push_back(window->handle);
  return list;
}

OSStatus GetWindowClass(WindowRef windowRef, WindowClass* windowClass) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !windowClass) return errInvalidWindowRef;
  *windowClass = window->windowClass;
  return noErr;
}

std::string GetWindowName(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  return window ? window->name : "";
}

OSStatus SetWindowTitleWithCFString(WindowRef windowRef, const std::string& title) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return errInvalidWindowRef;
  window->title = title;
  NotifyWindowChanged(window, WindowChange::Retitled);
  return noErr;
}

std::optional<std::string> CopyWindowTitleAsCFString(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return std::nullopt;
  return window->title;
}

OSStatus GetWindowBounds(WindowRef windowRef, Rect* contentBounds) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !contentBounds) return errInvalidWindowRef;
  *contentBounds = window->contentBounds;
  return noErr;
}

OSStatus MoveWindow(WindowRef windowRef, int16_t left, int16_t top, bool bringToFront) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return errInvalidWindowRef;
  Rect& r = window->contentBounds;
  r = {top, left, int16_t(top + RectHeight(r)), int16_t(left + RectWidth(r))};
  NotifyWindowChanged(window, WindowChange::Moved);
  if (bringToFront) SelectWindow(windowRef);
  return noErr;
}

void ShowWindow(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return;
  window->visible = true;
  BringToFront(window);
  NotifyWindowChanged(window, WindowChange::Shown);
}

void HideWindow(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !window->visible) return;
  window->visible = false;
  NotifyWindowChanged(window, WindowChange::Hidden);
}

OSStatus HIWindowFlush(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return errInvalidWindowRef;
  if (window->visible) NotifyWindowChanged(window, WindowChange::Flushed);
  return noErr;
}

bool IsWindowVisible(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  return window && window->visible;
}

void SelectWindow(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return;
  BringToFront(window);
  // A hidden window only changes its place in the order; a view hears of it when it is shown.
  if (window->visible) NotifyWindowChanged(window, WindowChange::Shown);
}

CGrafPtr GetWindowPort(WindowRef window) { return IsValidWindowHandle(window) ? window : nullptr; }

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
