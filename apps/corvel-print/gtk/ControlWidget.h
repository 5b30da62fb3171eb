#pragma once
// One control of the model on screen. A control widget holds GTK widgets only: everything it
// shows (value, title, items, enabled and visible states) it reads from the model whenever the
// model reports a change, and every input on it goes back to the model through MirrorInput.
// Containers (the root, user panes, the tab control) lay their embedded controls out in a
// Gtk::Fixed at the offsets the model's window-local bounds give.
#include <gtkmm/fixed.h>
#include <gtkmm/label.h>
#include <gtkmm/widget.h>

#include <functional>
#include <memory>

#include "MirrorInput.h"
#include "platform/toolkit/ToolkitTypes.h"

class ControlWidget {
 public:
  ControlWidget(ControlRef control, MirrorInput& input) : mControl(control), mInput(input) {}
  virtual ~ControlWidget() { mPendingSync.disconnect(); }
  ControlWidget(const ControlWidget&) = delete;
  ControlWidget& operator=(const ControlWidget&) = delete;

  ControlRef Control() const { return mControl; }
  // The widget placed in the container's layout.
  virtual Gtk::Widget& Outer() = 0;
  // The layout the control's embedded controls go in; null for controls that hold none.
  virtual Gtk::Fixed* Contents() { return nullptr; }
  // Shows the model's current state of the control (nothing once the control is gone).
  void Sync();
  // Paints again what the model's draw handlers painted last.
  virtual void Redraw() {}
  // The title shown before the control as part of it (a popup's), or null when none is shown.
  virtual Gtk::Label* OwnTitle() { return nullptr; }
  // The widget assistive tools announce for the control.
  virtual Gtk::Widget& Accessible() { return Outer(); }

 protected:
  // The kind's own part of Sync, run quietly while the control still exists.
  virtual void Refresh() = 0;
  // Runs a user action on this control, then, once GTK is idle (outside the widget's own signal),
  // shows what the model made of it.
  void Act(const std::function<void()>& action);
  MirrorInput& Input() { return mInput; }

  const ControlRef mControl;

 private:
  MirrorInput& mInput;
  sigc::connection mPendingSync;
};

// The widget for a control of any kind, sized to the control's bounds.
std::unique_ptr<ControlWidget> MakeControlWidget(ControlRef control, MirrorInput& input);
