// The toolkit's one state: its reset, handles that never resolve again, and the notifications
// an on-screen view mirrors.
#include <functional>

#include "ToolkitFixture.h"

namespace {

std::string Heard(WindowChange change) { return "window " + std::to_string(int(change)); }
std::string Heard(ControlChange change) { return "control " + std::to_string(int(change)); }

class Recorder : public ToolkitObserver {
 public:
  void WindowChanged(WindowRef, WindowChange change) override { log.push_back(Heard(change)); }
  // A disposed control's handle still resolves while the view hears of it.
  void ControlChanged(ControlRef control, ControlChange change) override {
    log.push_back(Heard(change) + (IsValidControlHandle(control) ? "" : " (stale)"));
  }
  void Beeped() override { log.push_back("beep"); }
  std::vector<std::string> log;
};

using ToolkitStateTest = ToolkitTest;

TEST_F(ToolkitStateTest, ResetLeavesNothingOfTheLastCaseBehind) {
  Recorder recorder;
  SetToolkitObserver(&recorder);
  WindowRef window = Open("Ask");
  SysBeep(1);
  bool driven = false;
  SetModalDriver([&](WindowRef) { driven = true; });
  ResetToolkit();

  EXPECT_TRUE(GetWindowList().empty());
  EXPECT_FALSE(IsValidWindowHandle(window));
  EXPECT_EQ(GetSysBeepCount(), 0u);
  recorder.log.clear();
  EXPECT_EQ(RunAppModalLoopForWindow(Open("Ask")), errModalLoopUnanswered);
  EXPECT_FALSE(driven);               // the driver went
  EXPECT_TRUE(recorder.log.empty());  // and so did the observer
}

TEST_F(ToolkitStateTest, DisposedHandlesNeverResolveAgain) {
  WindowRef window = Open("Panel");
  ControlRef control = nullptr;
  ASSERT_EQ(CreateControl(window, ControlKind::PushButton, {0, 0, 20, 80}, &control), noErr);
  DisposeControl(control);
  WindowRef gone = Open("Note");
  DisposeWindow(gone);
  // New objects of the same kinds, which the allocator likes to put where the old ones were.
  for (int i = 0; i < 16; ++i) {
    ControlRef fresh = nullptr;
    CreateControl(window, ControlKind::PushButton, {0, 0, 20, 80}, &fresh);
    Open("Note");
  }
  EXPECT_FALSE(IsValidControlHandle(control));
  EXPECT_EQ(SetControlTitleWithCFString(control, "stale"), errUnknownControl);
  EXPECT_EQ(UserClickControl(control), errUnknownControl);
  EXPECT_EQ(GetControlOwner(control), nullptr);
  EXPECT_FALSE(IsValidWindowHandle(gone));
  EXPECT_EQ(SetWindowTitleWithCFString(gone, "stale"), errInvalidWindowRef);
  EXPECT_EQ(UserTypeKey(gone, kReturnCharCode), errInvalidWindowRef);
  EXPECT_EQ(RunAppModalLoopForWindow(gone), errInvalidWindowRef);
}

TEST_F(ToolkitStateTest, ObserverHearsEachChangeAViewMirrors) {
  WindowRef ask = Open("Ask");
  WindowRef panel = Open("Panel");
  ControlRef field = Find(ask, "askf", 1);
  ControlRef popup = Find(panel, "pane", 3);   // value 2 of 1...3
  ControlRef tabs = Find(panel, "crvl", 128);  // value 2 of 1...3
  Recorder recorder;
  SetToolkitObserver(&recorder);
  struct Step {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> heard;
  };
  const Step steps[] = {
      {"focus", [&] { SetKeyboardFocus(ask, field); }, {Heard(WindowChange::FocusChanged)}},
      {"disposing the focused field clears the focus",
       [&] { DisposeControl(field); },
       {Heard(WindowChange::FocusChanged), Heard(ControlChange::Disposed)}},
      {"disposing the default button clears it",
       [&] { DisposeControl(Find(ask, "ok  ", 0)); },
       {Heard(WindowChange::DefaultButtonsChanged), Heard(ControlChange::Disposed)}},
      {"a lower maximum clamps the value",
       [&] { SetControl32BitMaximum(popup, 1); },
       {Heard(ControlChange::Range), Heard(ControlChange::Value)}},
      {"a higher minimum clamps the value",
       [&] { SetControl32BitMinimum(tabs, 3); },
       {Heard(ControlChange::Range), Heard(ControlChange::Value)}},
      {"an unchanged value is not news", [&] { SetControl32BitValue(popup, 7); }, {}},
      {"a window from a file comes whole",
       [&] { Open("Note"); },
       {Heard(WindowChange::Created), Heard(ControlChange::Created), Heard(WindowChange::Shown)}},
      {"a beep", [] { SysBeep(1); }, {"beep"}},
      {"hiding", [&] { HideWindow(panel); }, {Heard(WindowChange::Hidden)}},
      {"a hidden window brought forward stays unseen", [&] { SelectWindow(panel); }, {}},
  };
  for (const Step& step : steps) {
    recorder.log.clear();
    step.act();
    EXPECT_EQ(recorder.log, step.heard) << step.what;
  }
  ControlRef focus = field;
  EXPECT_EQ(GetKeyboardFocus(ask, &focus), noErr);
  EXPECT_EQ(focus, nullptr);
  ControlRef button = nullptr;
  EXPECT_EQ(GetWindowDefaultButton(ask, &button), errUnknownControl);
  EXPECT_EQ(GetControl32BitValue(popup), 1);
  EXPECT_EQ(GetControl32BitValue(tabs), 3);
  SetToolkitObserver(nullptr);  // the recorder goes with this frame; the tear-down disposes more
}

}  // namespace
