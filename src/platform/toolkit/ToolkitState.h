#pragma once
// The toolkit's whole state in one object: the windows (which own their controls), the table
// that resolves handles, the installed handlers, the modal loops and their driver, the beep
// count and the view's observer. Keyboard focus and the standard buttons live in the windows it
// owns. Only the toolkit's own sources include this file; others reset it with ResetToolkitState.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

// Where an installed handler lives: on a control, or else on a window.
struct HandlerTarget {
  ToolkitControl* control = nullptr;
  ToolkitWindow* window = nullptr;
  std::vector<InstalledHandler>& Handlers() const {
    return control ? control->handlers : window->handlers;
  }
};

struct ModalLoopRecord {
  WindowRef window = nullptr;
  bool quit = false;
};

class ToolkitState {
 public:
  // The one state of the process.
  static ToolkitState& Get();

  // Takes the window, and gives it and every control in it a handle.
  ToolkitWindow& AddWindow(std::unique_ptr<ToolkitWindow> window);
  // Forgets the window's handle, its controls' handles and their handlers, then frees it.
  void RemoveWindow(ToolkitWindow* window);
  // Every window, in creation order.
  std::vector<ToolkitWindow*> Windows() const;

  // The live object of a handle; null for null, stale or foreign handles.
  ToolkitWindow* Resolve(WindowRef window) const;
  ToolkitControl* Resolve(ControlRef control) const;
  // Gives every control of a subtree that has none a handle.
  void AddControlTree(ToolkitControl* root);
  // Forgets the handles and handlers of a subtree; its owner frees the objects.
  void ForgetControlTree(ToolkitControl* root);

  // Installed handlers, by serial (serials are never reused either).
  uint64_t AddHandler(const HandlerTarget& target);
  const HandlerTarget* FindHandler(uint64_t serial) const;
  void ForgetHandler(uint64_t serial);

  // The window of the innermost modal loop still running; null when none runs.
  ToolkitWindow* ModalWindow() const;
  uint64_t NextFrontOrder() { return mNextFrontOrder++; }

  std::vector<ModalLoopRecord*> modalLoops;  // outermost first; records live on loops' stacks
  ModalDriver modalDriver;
  uint32_t beepCount = 0;
  ToolkitObserver* observer = nullptr;

  // Back to the starting state: every window disposed (the observer hears of each), no driver,
  // no beeps, no observer. Handles given out before never resolve again.
  void Reset();

 private:
  uint64_t NextId() { return mNextId++; }
  void ForgetHandlers(const std::vector<InstalledHandler>& handlers);

  std::vector<std::unique_ptr<ToolkitWindow>> mWindows;  // creation order
  std::unordered_map<uintptr_t, ToolkitWindow*> mWindowIds;
  std::unordered_map<uintptr_t, ToolkitControl*> mControlIds;
  std::unordered_map<uint64_t, HandlerTarget> mHandlers;
  uint64_t mNextId = 1;  // shared by windows, controls and handlers; never reset
  uint64_t mNextFrontOrder = 1;
};

// The handle's live object, through the one state.
inline ToolkitWindow* ResolveWindow(WindowRef window) {
  return ToolkitState::Get().Resolve(window);
}
inline ToolkitControl* ResolveControl(ControlRef control) {
  return ToolkitState::Get().Resolve(control);
}

// Tell the installed observer (if any) about a change.
void NotifyWindowChanged(const ToolkitWindow* window, WindowChange change);
void NotifyControlChanged(const ToolkitControl* control, ControlChange change);
void NotifyBeep();
