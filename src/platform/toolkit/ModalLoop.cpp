// Application-modal loops answered by the installed driver, sheets and the system beep.
#include "platform/toolkit/ModalLoop.h"

#include <algorithm>

#include "platform/toolkit/ToolkitState.h"
#include "platform/toolkit/Windows.h"

namespace {

bool IsSheetClass(WindowClass c) { return c == kSheetWindowClass || c == kSheetAlertWindowClass; }

std::vector<ModalLoopRecord*>& Loops() { return ToolkitState::Get().modalLoops; }

}  // namespace

ModalDriver SetModalDriver(ModalDriver driver) {
  ModalDriver previous = std::move(ToolkitState::Get().modalDriver);
  ToolkitState::Get().modalDriver = std::move(driver);
  return previous;
}

OSStatus RunAppModalLoopForWindow(WindowRef window) {
  ToolkitWindow* w = ResolveWindow(window);
  if (!w) return errInvalidWindowRef;
  ModalLoopRecord loop{window};
  Loops().push_back(&loop);
  NotifyWindowChanged(w, WindowChange::ModalLoopStarted);
  // The driver may install another one while it runs.
  if (const ModalDriver driver = ToolkitState::Get().modalDriver) driver(window);
  std::erase(Loops(), &loop);
  if (ToolkitWindow* still = ResolveWindow(window))
    NotifyWindowChanged(still, WindowChange::ModalLoopEnded);
  return loop.quit ? noErr : errModalLoopUnanswered;
}

OSStatus QuitAppModalLoopForWindow(WindowRef window) {
  for (auto it = Loops().rbegin(); it != Loops().rend(); ++it) {
    if ((*it)->window == window && !(*it)->quit) {
      (*it)->quit = true;
      return noErr;
    }
  }
  return errInvalidWindowRef;
}

uint32_t GetModalLoopDepth() { return uint32_t(Loops().size()); }

bool IsModalLoopRunningForWindow(WindowRef window) {
  return std::any_of(Loops().begin(), Loops().end(), [window](const ModalLoopRecord* l) {
    return l->window == window && !l->quit;
  });
}

OSStatus ShowSheetWindow(WindowRef sheetRef, WindowRef parentRef) {
  ToolkitWindow* sheet = ResolveWindow(sheetRef);
  ToolkitWindow* parent = ResolveWindow(parentRef);
  if (!sheet || !parent || sheet == parent) return errInvalidWindowRef;
  if (!IsSheetClass(sheet->windowClass)) return paramErr;
  sheet->sheetParent = parent;
  ShowWindow(sheetRef);
  NotifyWindowChanged(sheet, WindowChange::SheetShown);
  return noErr;
}

OSStatus HideSheetWindow(WindowRef sheetRef) {
  ToolkitWindow* sheet = ResolveWindow(sheetRef);
  if (!sheet) return errInvalidWindowRef;
  if (!sheet->sheetParent) return errWindowNotSheet;
  sheet->sheetParent = nullptr;
  HideWindow(sheetRef);
  NotifyWindowChanged(sheet, WindowChange::SheetHidden);
  return noErr;
}

OSStatus GetSheetWindowParent(WindowRef windowRef, WindowRef* parent) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return errInvalidWindowRef;
  if (!window->sheetParent) return errWindowNotSheet;
  if (parent) *parent = window->sheetParent->handle;
  return noErr;
}

void SysBeep(int16_t) {
  ++ToolkitState::Get().beepCount;
  NotifyBeep();
}

uint32_t GetSysBeepCount() { return ToolkitState::Get().beepCount; }
