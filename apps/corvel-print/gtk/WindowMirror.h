#pragma once
// One window of the model on screen: a Gtk::Window whose content is the window's control tree,
// one control widget per control, laid out by the model's bounds. When the tree changes (controls
// made, disposed, embedded or moved) the content is built again from the model once GTK is idle,
// never inside the signal of a widget that is about to go. Other changes are shown once GTK is
// idle too: a rule that enables a popup's items one by one costs one refresh, not one per item.
#include <gtkmm/window.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "ControlWidget.h"
#include "FormArrangement.h"
#include "MirrorInput.h"
#include "platform/toolkit/ToolkitObserver.h"

class WindowMirror {
 public:
  WindowMirror(WindowRef window, MirrorInput& input);
  ~WindowMirror();
  WindowMirror(const WindowMirror&) = delete;
  WindowMirror& operator=(const WindowMirror&) = delete;

  Gtk::Window& Window() { return *mWindow; }
  // The widget of a control of this window; null when it has none (yet).
  ControlWidget* WidgetFor(ControlRef control);
  // Builds the content again once GTK is idle.
  void RebuildSoon();
  // Shows now what waits for GTK to be idle (a new content, changed controls).
  void Settle();

  void ControlChanged(ControlRef control, ControlChange change);
  void WindowChanged(WindowChange change);

 private:
  void ListenForButtonKeys();
  void ListenForTabKeys();
  void HoldInput();
  void MarkDefaultButton();
  void Build();
  void BuildTree(ControlRef control, Gtk::Fixed& layout, const Rect& origin);
  void FollowFocus();
  void ShowChanges();
  void ArrangeForms();

  const WindowRef mModelWindow;
  MirrorInput& mInput;
  std::unique_ptr<Gtk::Window> mWindow;
  std::unique_ptr<ControlWidget> mRoot;
  std::map<ControlRef, std::unique_ptr<ControlWidget>> mWidgets;
  ControlRef mMarkedDefault = nullptr;
  // Each container's layout with the widgets placed in it, laid out as a form.
  std::vector<FormArrangement> mForms;
  sigc::connection mPendingBuild;
  // Controls changed since GTK was last idle, and whether anything was redrawn.
  std::set<ControlRef> mChanged;
  bool mRedrawn = false;
  sigc::connection mPendingChanges;
};
