// Liveness of the toolkit's objects and the view's observer.
#include <unordered_set>

#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

namespace {

std::unordered_set<ControlRef>& LiveControls() {
  static std::unordered_set<ControlRef> controls;
  return controls;
}

std::unordered_set<WindowRef>& LiveWindows() {
  static std::unordered_set<WindowRef> windows;
  return windows;
}

ToolkitObserver* gObserver = nullptr;

}  // namespace

bool IsLiveControl(ControlRef control) { return control && LiveControls().count(control) != 0; }
bool IsLiveWindow(WindowRef window) { return window && LiveWindows().count(window) != 0; }
void RegisterControl(ControlRef control) { LiveControls().insert(control); }
void RegisterWindow(WindowRef window) { LiveWindows().insert(window); }
void ForgetWindow(WindowRef window) { LiveWindows().erase(window); }

void ForgetControlTree(ControlRef control) {
  ForEachControl(control, [](ControlRef c) { LiveControls().erase(c); });
}

void SetToolkitObserver(ToolkitObserver* observer) { gObserver = observer; }

void NotifyWindowChanged(WindowRef window, WindowChange change) {
  if (gObserver) gObserver->WindowChanged(window, change);
}

void NotifyControlChanged(ControlRef control, ControlChange change) {
  if (gObserver) gObserver->ControlChanged(control, change);
}

void NotifyBeep() {
  if (gObserver) gObserver->Beeped();
}
