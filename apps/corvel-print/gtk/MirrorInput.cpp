#include "MirrorInput.h"

#include <utility>

#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/UserActions.h"
#include "platform/toolkit/Windows.h"

void MirrorInput::WriteQuietly(const std::function<void()>& write) {
  ++mEchoDepth;
  write();
  --mEchoDepth;
}

void MirrorInput::HoldWhile(const std::function<void()>& draw) {
  const bool wasHolding = std::exchange(mHolding, true);
  draw();
  mHolding = wasHolding;
}

bool MirrorInput::Act(const std::function<void()>& action) {
  if (Echoing() || Holding()) return false;
  action();
  EndFinishedLoops();
  return true;
}

void MirrorInput::Press(ControlRef button) {
  const auto handler = mPressHandlers.find(button);
  if (handler != mPressHandlers.end()) {
    // Copied: the handler may replace the handlers while it runs.
    const std::function<void()> press = handler->second;
    Act(press);
    return;
  }
  Act([button] { UserClickControl(button); });
}

void MirrorInput::SetPressHandler(ControlRef button, std::function<void()> handler) {
  if (handler)
    mPressHandlers[button] = std::move(handler);
  else
    mPressHandlers.erase(button);
}

bool MirrorInput::PressesHandledButton(WindowRef window, int16_t charCode) {
  ControlRef button = nullptr;
  if (charCode == kReturnCharCode || charCode == kEnterCharCode)
    GetWindowDefaultButton(window, &button);
  else if (charCode == kEscapeCharCode)
    GetWindowCancelButton(window, &button);
  if (!button || !mPressHandlers.contains(button)) return false;
  Press(button);
  return true;
}

void MirrorInput::TypeKey(WindowRef window, int16_t charCode, EventModifiers modifiers) {
  if (Echoing() || Holding() || PressesHandledButton(window, charCode)) return;
  Act([=] { UserTypeKey(window, charCode, modifiers); });
}

void MirrorInput::PushModalLoop(WindowRef window, Glib::RefPtr<Glib::MainLoop> loop) {
  mLoops.push_back({window, std::move(loop)});
}

void MirrorInput::PopModalLoop() {
  if (!mLoops.empty()) mLoops.pop_back();
}

void MirrorInput::AbandonModalLoop(WindowRef window) {
  for (const NestedLoop& nested : mLoops)
    if (nested.window == window) nested.loop->quit();
}

void MirrorInput::EndFinishedLoops() {
  for (const NestedLoop& nested : mLoops)
    if (!IsModalLoopRunningForWindow(nested.window)) nested.loop->quit();
}
