#pragma once
// The one way a user's input on a GTK widget reaches the model. Widgets write the model's state
// into themselves quietly, and the GTK signals such a write raises are echoes, never input.
// Input goes to the model as the model's own click, key or choice; afterwards every nested
// event loop whose modal loop the action ended stops. A button may have a press handler of the
// view (the dialog's Print and Cancel), which then stands for the click, also when Return or
// Escape presses that button.
#include <glibmm/main.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/toolkit/ToolkitTypes.h"

class MirrorInput {
 public:
  // True while the view writes the model's state into widgets.
  bool Echoing() const { return mEchoDepth > 0; }
  // Runs `write` with the signals it raises marked as echoes.
  void WriteQuietly(const std::function<void()>& write);
  // True while the model's thread is about to block and the view only draws: input that comes
  // meanwhile is dropped, since no widget may change under a handler that still runs.
  bool Holding() const { return mHolding; }
  // Runs `draw` with input held.
  void HoldWhile(const std::function<void()>& draw);
  // Runs a user action unless it is an echo or input is held; then ends the nested loops the
  // action finished. False when nothing ran.
  bool Act(const std::function<void()>& action);

  // A press of a button: its press handler when it has one, else a click in the model.
  void Press(ControlRef button);
  // Lets `handler` stand for clicks on the button (an empty handler removes it).
  void SetPressHandler(ControlRef button, std::function<void()> handler);
  // One key into the window; Return, Enter and Escape press the window's default and cancel
  // buttons through their press handlers when they have one.
  void TypeKey(WindowRef window, int16_t charCode, EventModifiers modifiers);

  // Nested event loops that run while the model runs a modal loop for the window.
  void PushModalLoop(WindowRef window, Glib::RefPtr<Glib::MainLoop> loop);
  void PopModalLoop();
  // Stops the nested loop of the window even though its modal loop still runs (the user closed
  // the window and nothing answered).
  void AbandonModalLoop(WindowRef window);

 private:
  struct NestedLoop {
    WindowRef window;
    Glib::RefPtr<Glib::MainLoop> loop;
  };
  void EndFinishedLoops();
  bool PressesHandledButton(WindowRef window, int16_t charCode);

  int mEchoDepth = 0;
  bool mHolding = false;
  std::map<ControlRef, std::function<void()>> mPressHandlers;
  std::vector<NestedLoop> mLoops;
};
