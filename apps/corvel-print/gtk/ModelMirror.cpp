#include "ModelMirror.h"

#include <gdkmm/display.h>
#include <gdkmm/frameclock.h>
#include <glibmm/main.h>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Windows.h"

ModelMirror::ModelMirror() {
  SetToolkitObserver(this);
  mPreviousDriver = SetModalDriver([this](WindowRef window) { RunModalLoop(window); });
}

ModelMirror::~ModelMirror() {
  mClearGone.disconnect();
  SetModalDriver(std::move(mPreviousDriver));
  SetToolkitObserver(nullptr);
}

WindowMirror* ModelMirror::MirrorOf(WindowRef window) {
  const auto found = mWindows.find(window);
  return found == mWindows.end() ? nullptr : found->second.get();
}

Gtk::Window& ModelMirror::Show(WindowRef window) {
  WindowMirror* mirror = MirrorOf(window);
  if (!mirror) {
    mirror = (mWindows[window] = std::make_unique<WindowMirror>(window, mInput)).get();
    // A sheet stays over the window it is shown on; every other window over the main one.
    WindowRef parent = mMain;
    GetSheetWindowParent(window, &parent);
    if (!mMain) {
      mMain = window;
    } else if (WindowMirror* over = MirrorOf(parent)) {
      mirror->Window().set_transient_for(over->Window());
      mirror->Window().set_modal(true);
    }
  }
  mirror->Window().present();
  return mirror->Window();
}

Gtk::Window* ModelMirror::WindowFor(WindowRef window) {
  WindowMirror* mirror = MirrorOf(window);
  return mirror ? &mirror->Window() : nullptr;
}

Gtk::Widget* ModelMirror::WidgetFor(ControlRef control) {
  WindowMirror* mirror = MirrorOf(GetControlOwner(control));
  if (!mirror) return nullptr;
  mirror->Settle();
  ControlWidget* widget = mirror->WidgetFor(control);
  return widget ? &widget->Outer() : nullptr;
}

void ModelMirror::WindowChanged(WindowRef window, WindowChange change) {
  if (change == WindowChange::Disposed) return Forget(window);
  if (change == WindowChange::Flushed) return DrawNow(window);
  WindowMirror* mirror = MirrorOf(window);
  const bool appears = change == WindowChange::Shown || change == WindowChange::SheetShown;
  if (!mirror && appears && mMain) {
    Show(window);
    return;
  }
  if (mirror) mirror->WindowChanged(change);
}

void ModelMirror::ControlChanged(ControlRef control, ControlChange change) {
  if (WindowMirror* mirror = MirrorOf(GetControlOwner(control)))
    mirror->ControlChanged(control, change);
  if (change != ControlChange::Embedding) return;
  // Embedding may have taken the control out of another window that shows it.
  for (auto& [window, mirror] : mWindows)
    if (window != GetControlOwner(control) && mirror->WidgetFor(control)) mirror->RebuildSoon();
}

void ModelMirror::Beeped() {
  if (auto display = Gdk::Display::get_default()) display->beep();
}

void ModelMirror::Forget(WindowRef window) {
  const auto found = mWindows.find(window);
  if (found == mWindows.end()) return;
  found->second->Window().set_visible(false);
  mGone.push_back(std::move(found->second));
  mWindows.erase(found);
  if (window == mMain) mMain = nullptr;
  if (!mClearGone.connected())
    mClearGone = Glib::signal_idle().connect([this] {
      mGone.clear();
      return false;
    });
}

// The model's thread is about to block (it waits for a server): GTK draws the window's changes
// once now, with input held, and goes back to the model after one frame or a short while.
void ModelMirror::DrawNow(WindowRef window) {
  constexpr unsigned kLongestWaitMilliseconds = 250;
  WindowMirror* mirror = MirrorOf(window);
  if (!mirror || !mirror->Window().get_mapped()) return;
  mirror->Settle();
  Glib::RefPtr<Gdk::FrameClock> clock = mirror->Window().get_frame_clock();
  if (!clock) return;
  bool drawn = false;
  auto setDrawn = +[](GdkFrameClock*, gpointer drawn) { *static_cast<bool*>(drawn) = true; };
  const gulong painted =
      g_signal_connect(clock->gobj(), "after-paint", G_CALLBACK(setDrawn), &drawn);
  sigc::connection late = Glib::signal_timeout().connect(
      [&drawn] {
        drawn = true;
        return false;
      },
      kLongestWaitMilliseconds);
  mirror->Window().queue_draw();
  mInput.HoldWhile([&drawn] {
    while (!drawn) g_main_context_iteration(nullptr, true);
  });
  g_signal_handler_disconnect(clock->gobj(), painted);
  late.disconnect();
}

void ModelMirror::RunModalLoop(WindowRef window) {
  Show(window);
  auto loop = Glib::MainLoop::create();
  mInput.PushModalLoop(window, loop);
  if (IsModalLoopRunningForWindow(window)) loop->run();
  mInput.PopModalLoop();
}
