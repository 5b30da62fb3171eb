#include "ToolkitFixture.h"

namespace {

OSStatus EndLoopOnCommand(EventRef event, void*) {
  HICommand command;
  GetEventCommand(event, &command);
  WindowRef window = GetControlOwner(GetEventControl(event));
  if (command.commandID != FourCC("ok  ")) return eventNotHandledErr;
  if (GetSheetWindowParent(window, nullptr) == noErr) HideSheetWindow(window);
  QuitAppModalLoopForWindow(window);
  return noErr;
}

const EventTypeSpec kCommand{kEventClassCommand, kEventCommandProcess};

using ModalLoopTest = ToolkitTest;

TEST_F(ModalLoopTest, DriverAnswersNestedLoopsInnermostFirst) {
  WindowRef outer = Open("Ask");
  WindowRef sheet = Open("Note");
  InstallWindowEventHandler(outer, EndLoopOnCommand, 1, &kCommand, nullptr, nullptr);
  InstallWindowEventHandler(sheet, EndLoopOnCommand, 1, &kCommand, nullptr, nullptr);
  std::vector<std::string> seen;
  SetModalDriver([&](WindowRef window) {
    seen.push_back(GetWindowName(window) + "@" + std::to_string(GetModalLoopDepth()));
    if (window == outer) {
      // While the dialog waits, a sheet on it runs its own loop.
      EXPECT_EQ(ShowSheetWindow(sheet, outer), noErr);
      EXPECT_EQ(RunAppModalLoopForWindow(sheet), noErr);
      EXPECT_TRUE(IsModalLoopRunningForWindow(outer));
    }
    UserTypeKey(window, kReturnCharCode);
  });
  ShowWindow(outer);
  EXPECT_EQ(RunAppModalLoopForWindow(outer), noErr);
  EXPECT_EQ(seen, (std::vector<std::string>{"Ask@1", "Note@2"}));
  EXPECT_EQ(GetModalLoopDepth(), 0u);
  EXPECT_FALSE(IsWindowVisible(sheet));
  EXPECT_EQ(GetSheetWindowParent(sheet, nullptr), errWindowNotSheet);
}

TEST_F(ModalLoopTest, LoopWithoutAnAnswerEndsWithAStatus) {
  WindowRef window = Open("Ask");
  EXPECT_EQ(RunAppModalLoopForWindow(window), errModalLoopUnanswered);
  SetModalDriver([](WindowRef) {});  // a driver that does nothing
  EXPECT_EQ(RunAppModalLoopForWindow(window), errModalLoopUnanswered);
  EXPECT_EQ(GetModalLoopDepth(), 0u);
  EXPECT_EQ(QuitAppModalLoopForWindow(window), errInvalidWindowRef);  // no loop runs
}

TEST_F(ModalLoopTest, OnlySheetClassWindowsBecomeSheets) {
  WindowRef dialog = Open("Ask");
  WindowRef sheet = Open("Note");
  EXPECT_EQ(ShowSheetWindow(dialog, sheet), paramErr);
  ASSERT_EQ(ShowSheetWindow(sheet, dialog), noErr);
  WindowRef parent = nullptr;
  EXPECT_EQ(GetSheetWindowParent(sheet, &parent), noErr);
  EXPECT_EQ(parent, dialog);
  DisposeWindow(dialog);  // the sheet comes off with its parent
  EXPECT_EQ(GetSheetWindowParent(sheet, &parent), errWindowNotSheet);
  EXPECT_FALSE(IsWindowVisible(sheet));
}

}  // namespace
