// Application-modal loops answered by the installed driver, sheets and the system beep.
#include "platform/toolkit/ModalLoop.h"

#include <algorithm>
#include <vector>

#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"
#include "platform/toolkit/Windows.h"

namespace {

struct ModalLoopRecord {
  WindowRef window;
  bool quit = false;
};

std::vector<ModalLoopRecord*> gLoops;  // outermost first
ModalDriver gDriver;
uint32_t gBeepCount = 0;

bool IsSheetClass(WindowClass c) { return c == kSheetWindowClass || c == kSheetAlertWindowClass; }

}  // namespace

ModalDriver SetModalDriver(ModalDriver driver) {
  ModalDriver previous = std::move(gDriver);
  gDriver = std::move(driver);
  return previous;
}

OSStatus RunAppModalLoopForWindow(WindowRef window) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  ModalLoopRecord loop{window};
  gLoops.push_back(&loop);
  NotifyWindowChanged(window, WindowChange::ModalLoopStarted);
  if (gDriver) {
    const ModalDriver driver = gDriver;  // the driver may install another one while it runs
    driver(window);
  }
  gLoops.erase(std::find(gLoops.begin(), gLoops.end(), &loop));
  if (IsLiveWindow(window)) NotifyWindowChanged(window, WindowChange::ModalLoopEnded);
  return loop.quit ? noErr : errModalLoopUnanswered;
}

OSStatus QuitAppModalLoopForWindow(WindowRef window) {
  for (auto it = gLoops.rbegin(); it != gLoops.rend(); ++it) {
    if ((*it)->window == window && !(*it)->quit) {
      (*it)->quit = true;
      return noErr;
    }
  }
  return errInvalidWindowRef;
}

uint32_t GetModalLoopDepth() { return uint32_t(gLoops.size()); }

bool IsModalLoopRunningForWindow(WindowRef window) {
  return std::any_of(gLoops.begin(), gLoops.end(), [window](const ModalLoopRecord* l) {
    return l->window == window && !l->quit;
  });
}

OSStatus ShowSheetWindow(WindowRef sheet, WindowRef parent) {
  if (!IsLiveWindow(sheet) || !IsLiveWindow(parent) || sheet == parent) return errInvalidWindowRef;
  if (!IsSheetClass(sheet->windowClass)) return paramErr;
  sheet->sheetParent = parent;
  ShowWindow(sheet);
  NotifyWindowChanged(sheet, WindowChange::SheetShown);
  return noErr;
}

OSStatus HideSheetWindow(WindowRef sheet) {
  if (!IsLiveWindow(sheet)) return errInvalidWindowRef;
  if (!sheet->sheetParent) return errWindowNotSheet;
  sheet->sheetParent = nullptr;
  HideWindow(sheet);
  NotifyWindowChanged(sheet, WindowChange::SheetHidden);
  return noErr;
}

OSStatus GetSheetWindowParent(WindowRef window, WindowRef* parent) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  if (!window->sheetParent) return errWindowNotSheet;
  if (parent) *parent = window->sheetParent;
  return noErr;
}

void SysBeep(int16_t) {
  ++gBeepCount;
  NotifyBeep();
}

uint32_t GetSysBeepCount() { return gBeepCount; }
