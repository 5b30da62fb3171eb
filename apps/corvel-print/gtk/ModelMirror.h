#pragma once
// The view of the widget toolkit model: it observes the model's change notifications and keeps a
// WindowMirror for each window the model shows, and it answers the model's modal loops with
// nested GTK main loops that run until the model's loop ends. The first window shown is the main
// one; every later one (dialogs, alerts, sheets) is a modal window transient for it. While the
// mirror exists it is the model's observer and modal driver; it puts the previous driver back
// when it goes. GTK must be initialised first (PrintViewAvailable does it).
#include <map>
#include <memory>
#include <vector>

#include "MirrorInput.h"
#include "WindowMirror.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitObserver.h"

class ModelMirror : public ToolkitObserver {
 public:
  ModelMirror();
  ~ModelMirror() override;
  ModelMirror(const ModelMirror&) = delete;
  ModelMirror& operator=(const ModelMirror&) = delete;

  // Shows the model's window on screen; the mirror is made the first time.
  Gtk::Window& Show(WindowRef window);
  // The on-screen window of a model window, or null when it has none.
  Gtk::Window* WindowFor(WindowRef window);
  // The GTK widget of a control, showing every change so far, or null.
  Gtk::Widget* WidgetFor(ControlRef control);
  MirrorInput& Input() { return mInput; }

  void WindowChanged(WindowRef window, WindowChange change) override;
  void ControlChanged(ControlRef control, ControlChange change) override;
  void Beeped() override;

 private:
  WindowMirror* MirrorOf(WindowRef window);
  void RunModalLoop(WindowRef window);
  void DrawNow(WindowRef window);
  void Forget(WindowRef window);

  MirrorInput mInput;
  std::map<WindowRef, std::unique_ptr<WindowMirror>> mWindows;
  // Mirrors of disposed windows wait for GTK to be idle: a signal of theirs may be running.
  std::vector<std::unique_ptr<WindowMirror>> mGone;
  sigc::connection mClearGone;
  WindowRef mMain = nullptr;
  ModalDriver mPreviousDriver;
};
