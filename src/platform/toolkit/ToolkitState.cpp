// The toolkit's one state: ownership of windows, handle resolution, handlers, reset.
#include "platform/toolkit/ToolkitState.h"

#include <algorithm>

#include "platform/toolkit/Windows.h"

namespace {

uintptr_t IdOf(const void* handle) { return reinterpret_cast<uintptr_t>(handle); }

template <typename Handle>
Handle HandleOf(uint64_t id) {
  return reinterpret_cast<Handle>(static_cast<uintptr_t>(id));
}

template <typename Object, typename Handle>
Object* Find(const std::unordered_map<uintptr_t, Object*>& table, Handle handle) {
  if (!handle) return nullptr;
  const auto found = table.find(IdOf(handle));
  return found == table.end() ? nullptr : found->second;
}

}  // namespace

ToolkitState& ToolkitState::Get() {
  static ToolkitState state;
  return state;
}

ToolkitWindow& ToolkitState::AddWindow(std::unique_ptr<ToolkitWindow> window) {
  window->handle = HandleOf<WindowRef>(NextId());
  mWindowIds.emplace(IdOf(window->handle), window.get());
  AddControlTree(window->root.get());
  mWindows.push_back(std::move(window));
  return *mWindows.back();
}

void ToolkitState::RemoveWindow(ToolkitWindow* window) {
  ForgetControlTree(window->root.get());
  ForgetHandlers(window->handlers);
  mWindowIds.erase(IdOf(window->handle));
  std::erase_if(mWindows, [window](const auto& owned) { return owned.get() == window; });
}

std::vector<ToolkitWindow*> ToolkitState::Windows() const {
  std::vector<ToolkitWindow*> windows;
  for (const auto& window : mWindows) windows.push_back(window.get());
  return windows;
}

ToolkitWindow* ToolkitState::Resolve(WindowRef window) const { return Find(mWindowIds, window); }
ToolkitControl* ToolkitState::Resolve(ControlRef control) const {
  return Find(mControlIds, control);
}

void ToolkitState::AddControlTree(ToolkitControl* root) {
  ForEachControl(root, [this](ToolkitControl* c) {
    if (c->handle) return;
    c->handle = HandleOf<ControlRef>(NextId());
    mControlIds.emplace(IdOf(c->handle), c);
  });
}

void ToolkitState::ForgetControlTree(ToolkitControl* root) {
  ForEachControl(root, [this](ToolkitControl* c) {
    ForgetHandlers(c->handlers);
    mControlIds.erase(IdOf(c->handle));
  });
}

uint64_t ToolkitState::AddHandler(const HandlerTarget& target) {
  const uint64_t serial = NextId();
  mHandlers.emplace(serial, target);
  return serial;
}

const HandlerTarget* ToolkitState::FindHandler(uint64_t serial) const {
  const auto found = mHandlers.find(serial);
  return found == mHandlers.end() ? nullptr : &found->second;
}

void ToolkitState::ForgetHandler(uint64_t serial) { mHandlers.erase(serial); }

void ToolkitState::ForgetHandlers(const std::vector<InstalledHandler>& handlers) {
  for (const InstalledHandler& h : handlers) mHandlers.erase(h.serial);
}

ToolkitWindow* ToolkitState::ModalWindow() const {
  for (auto it = modalLoops.rbegin(); it != modalLoops.rend(); ++it)
    if (!(*it)->quit) return Resolve((*it)->window);
  return nullptr;
}

void ToolkitState::Reset() {
  for (ToolkitWindow* window : Windows()) DisposeWindow(window->handle);
  modalLoops.clear();
  modalDriver = {};
  beepCount = 0;
  observer = nullptr;
  mHandlers.clear();
  mNextFrontOrder = 1;
}

void ResetToolkitState() { ToolkitState::Get().Reset(); }

void SetToolkitObserver(ToolkitObserver* observer) { ToolkitState::Get().observer = observer; }

void NotifyWindowChanged(const ToolkitWindow* window, WindowChange change) {
  if (ToolkitObserver* observer = ToolkitState::Get().observer)
    observer->WindowChanged(window->handle, change);
}

void NotifyControlChanged(const ToolkitControl* control, ControlChange change) {
  if (ToolkitObserver* observer = ToolkitState::Get().observer)
    observer->ControlChanged(control->handle, change);
}

void NotifyBeep() {
  if (ToolkitObserver* observer = ToolkitState::Get().observer) observer->Beeped();
}
