#include <string>
#include <vector>

#include "ToolkitFixture.h"

namespace {

// Which handler saw which event, and the control's value at that moment.
using Journal = std::vector<std::string>;

struct Listener {
  Journal* journal;
  std::string name;
  OSStatus answer = eventNotHandledErr;
};

OSStatus Record(EventRef event, void* userData) {
  auto* listener = static_cast<Listener*>(userData);
  std::string entry = listener->name;
  if (GetEventClass(event) == kEventClassCommand) {
    HICommand command;
    GetEventCommand(event, &command);
    entry += ":cmd:" + FourCCToString(command.commandID);
  } else {
    entry += ":hit:" + std::to_string(GetControl32BitValue(GetEventControl(event)));
  }
  listener->journal->push_back(entry);
  return listener->answer;
}

const EventTypeSpec kHit{kEventClassControl, kEventControlHit};
const EventTypeSpec kCommand{kEventClassCommand, kEventCommandProcess};

using EventDispatchTest = ToolkitTest;

TEST_F(EventDispatchTest, HandlersSeeTheValueAfterTracking) {
  WindowRef window = Open("Panel");
  Journal journal;
  Listener onTabs{&journal, "tabs"};
  InstallControlEventHandler(Find(window, "crvl", 128), Record, 1, &kHit, &onTabs, nullptr);

  UserClickControl(Find(window, "pane", 1));  // check box 1 -> 0
  UserClickControl(Find(window, "pane", 2));  // radio 0 -> 1
  UserClickControl(Find(window, "pane", 2));  // radio stays 1
  UserChoosePopupItem(Find(window, "pane", 3), 1);
  UserClickControl(Find(window, "pane", 8));  // sticky bevel -> 1
  EXPECT_EQ(journal,
            (Journal{"tabs:hit:0", "tabs:hit:1", "tabs:hit:1", "tabs:hit:1", "tabs:hit:1"}));
  EXPECT_EQ(GetControl32BitValue(Find(window, "pane", 1)), 0);
  EXPECT_EQ(GetControl32BitValue(Find(window, "pane", 3)), 1);
}

TEST_F(EventDispatchTest, ChainRunsInnermostFirstAndStopsWhenHandled) {
  WindowRef window = Open("Panel");
  Journal journal;
  Listener first{&journal, "first"}, second{&journal, "second"}, pane{&journal, "pane"},
      win{&journal, "window"};
  ControlRef check = Find(window, "pane", 1);
  InstallControlEventHandler(check, Record, 1, &kHit, &first, nullptr);
  InstallControlEventHandler(check, Record, 1, &kHit, &second,
                             nullptr);  // installed last: runs first
  InstallControlEventHandler(Find(window, "crvl", 129), Record, 1, &kHit, &pane, nullptr);
  InstallWindowEventHandler(window, Record, 1, &kHit, &win, nullptr);

  EXPECT_EQ(UserClickControl(check), eventNotHandledErr);
  EXPECT_EQ(journal, (Journal{"second:hit:0", "first:hit:0", "pane:hit:0", "window:hit:0"}));
  journal.clear();
  pane.answer = noErr;
  EXPECT_EQ(UserClickControl(check), noErr);
  EXPECT_EQ(journal, (Journal{"second:hit:1", "first:hit:1", "pane:hit:1"}));
}

TEST_F(EventDispatchTest, UnhandledHitSendsTheControlsCommandOutwards) {
  WindowRef window = Open("Panel");
  Journal journal;
  Listener hit{&journal, "hit"}, command{&journal, "window"};
  ControlRef go = Find(window, "pane", 7);
  InstallControlEventHandler(go, Record, 1, &kHit, &hit, nullptr);
  InstallWindowEventHandler(window, Record, 1, &kCommand, &command, nullptr);
  command.answer = noErr;
  EXPECT_EQ(UserClickControl(go), noErr);
  EXPECT_EQ(journal, (Journal{"hit:hit:0", "window:cmd:go  "}));

  journal.clear();
  hit.answer = noErr;  // a handled hit sends no command
  UserClickControl(go);
  EXPECT_EQ(journal, (Journal{"hit:hit:0"}));
}

TEST_F(EventDispatchTest, InactiveControlsAndBadChoicesAreNotTracked) {
  WindowRef window = Open("Panel");
  ControlRef check = Find(window, "pane", 1);
  DisableControl(check);
  EXPECT_EQ(UserClickControl(check), errControlInactive);
  EXPECT_EQ(GetControl32BitValue(check), 1);
  EnableControl(check);
  DisableControl(Find(window, "crvl", 129));  // a disabled container disables its contents
  EXPECT_EQ(UserClickControl(check), errControlInactive);
  EnableControl(Find(window, "crvl", 129));

  ControlRef popup = Find(window, "pane", 3);
  EXPECT_EQ(UserChoosePopupItem(popup, 3), paramErr);  // item disabled
  EXPECT_EQ(UserChoosePopupItem(popup, 4), paramErr);  // no such item
  EXPECT_EQ(GetControl32BitValue(popup), 2);

  ControlRef tabs = Find(window, "crvl", 128);
  EXPECT_EQ(UserClickTab(tabs, 3), paramErr);  // disabled tab
  EXPECT_EQ(UserClickTab(tabs, 1), eventNotHandledErr);
  EXPECT_EQ(GetControl32BitValue(tabs), 1);
  SetControl32BitMaximum(tabs, 1);  // offer one tab only
  EXPECT_EQ(UserClickTab(tabs, 2), paramErr);
}

OSStatus DisposeOwnWindow(EventRef event, void*) {
  DisposeWindow(GetControlOwner(GetEventControl(event)));
  return eventNotHandledErr;
}

TEST_F(EventDispatchTest, RemovedAndDisposedHandlersAreNeverCalled) {
  WindowRef window = Open("Panel");
  Journal journal;
  Listener removed{&journal, "removed"}, outer{&journal, "outer"};
  ControlRef go = Find(window, "pane", 7);
  EventHandlerRef ref = nullptr;
  InstallControlEventHandler(go, Record, 1, &kHit, &removed, &ref);
  EXPECT_EQ(RemoveEventHandler(ref), noErr);
  EXPECT_EQ(RemoveEventHandler(ref), paramErr);

  // A handler that disposes of the window: the outer handlers and the command do not run.
  InstallWindowEventHandler(window, Record, 1, &kCommand, &outer, nullptr);
  InstallWindowEventHandler(window, Record, 1, &kHit, &outer, &ref);
  InstallControlEventHandler(go, DisposeOwnWindow, 1, &kHit, nullptr, nullptr);
  EXPECT_EQ(UserClickControl(go), eventNotHandledErr);
  EXPECT_TRUE(journal.empty());
  EXPECT_FALSE(IsValidWindowHandle(window));
  EXPECT_EQ(RemoveEventHandler(ref), paramErr);
  EXPECT_EQ(UserClickControl(go), errUnknownControl);
}

TEST_F(EventDispatchTest, EmbeddingMovesControlsWithTheirHandlersBetweenWindows) {
  WindowRef panel = Open("Panel");
  WindowRef host = Open("Ask");
  Journal journal;
  Listener onTabs{&journal, "tabs"};
  ControlRef tabs = Find(panel, "crvl", 128);
  InstallControlEventHandler(tabs, Record, 1, &kHit, &onTabs, nullptr);
  ControlRef root = nullptr;
  GetRootControl(host, &root);
  ASSERT_EQ(EmbedControl(tabs, root), noErr);
  EXPECT_EQ(EmbedControl(root, tabs), paramErr);  // a window's root cannot move
  DisposeWindow(panel);

  ControlRef check = Find(host, "pane", 1);
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(GetControlOwner(check), host);
  UserClickControl(check);
  EXPECT_EQ(journal, (Journal{"tabs:hit:0"}));

  ASSERT_EQ(MoveControl(tabs, 50, 60), noErr);  // contents move along
  Rect bounds;
  GetControlBounds(check, &bounds);
  EXPECT_EQ(bounds.left, 55);
  EXPECT_EQ(bounds.top, 97);
}

}  // namespace
