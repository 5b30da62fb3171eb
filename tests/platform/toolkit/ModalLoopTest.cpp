#include <functional>

#include "ToolkitFixture.h"
#include "platform/toolkit/StandardAlert.h"

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

TEST_F(ModalLoopTest, WhileALoopRunsOnlyItsWindowAndItsSheetsTakeInput) {
  WindowRef panel = Open("Panel");
  WindowRef dialog = Open("Ask");
  WindowRef sheet = Open("Note");
  ASSERT_EQ(ShowSheetWindow(sheet, dialog), noErr);
  InstallWindowEventHandler(dialog, EndLoopOnCommand, 1, &kCommand, nullptr, nullptr);
  SetKeyboardFocus(panel, Find(panel, "pane", 5));
  const DataBrowserItemID row = 1;
  AddDataBrowserItems(Find(panel, "pane", 9), 1, &row);
  const std::pair<const char*, std::function<OSStatus()>> elsewhere[] = {
      {"click", [&] { return UserClickControl(Find(panel, "pane", 1)); }},
      {"popup", [&] { return UserChoosePopupItem(Find(panel, "pane", 3), 1); }},
      {"tab", [&] { return UserClickTab(Find(panel, "crvl", 128), 1); }},
      {"key", [&] { return UserTypeKey(panel, 'x'); }},
      {"paste", [&] { return UserPaste(panel, "x"); }},
      {"command", [&] { return UserSendCommand(panel, FourCC("go  ")); }},
      {"list row", [&] { return UserSelectListRow(Find(panel, "pane", 9), 1); }},
      {"clock",
       [&] {
         return UserSetClock(Find(panel, "pane", 10), {2030, 1, 1, 0, 0, 0});
       }},
  };
  SetModalDriver([&](WindowRef window) {
    for (const auto& [what, act] : elsewhere) EXPECT_EQ(act(), errWindowBlocked) << what;
    EXPECT_NE(UserClickControl(Find(sheet, "ok  ", 0)), errWindowBlocked);  // a sheet of it
    UserTypeKey(window, kReturnCharCode);
  });
  EXPECT_EQ(RunAppModalLoopForWindow(dialog), noErr);
  std::string text;
  GetControlText(Find(panel, "pane", 5), &text);
  EXPECT_EQ(text, "hello");
  EXPECT_EQ(GetControl32BitValue(Find(panel, "pane", 1)), 1);
  EXPECT_FALSE(IsDataBrowserItemSelected(Find(panel, "pane", 9), row));

  HideWindow(panel);  // no loop runs, but a hidden window takes no input either
  for (const auto& [what, act] : elsewhere) EXPECT_EQ(act(), errWindowBlocked) << what;
}

TEST_F(ModalLoopTest, StandardAlertReportsTheButtonPressedAndDisposesOfTheAlert) {
  const struct {
    std::function<void(WindowRef)> user;
    OSStatus status;
    DialogItemIndex hit;
  } kCases[] = {
      {[](WindowRef w) { UserTypeKey(w, kReturnCharCode); }, noErr, kAlertStdAlertOKButton},
      {[](WindowRef w) { UserTypeKey(w, kEscapeCharCode); }, noErr, kAlertStdAlertCancelButton},
      {[](WindowRef w) { UserClickControl(Find(w, "canc", 0)); }, noErr, 2},
      // No help button: the click finds nothing, and the loop ends unanswered.
      {[](WindowRef w) { UserClickControl(Find(w, "help", 0)); }, errModalLoopUnanswered, 0},
  };
  AlertStdCFStringAlertParamRec params;
  params.cancelText = kAlertDefaultCancelText;
  params.cancelButton = kAlertStdAlertCancelButton;
  for (const auto& c : kCases) {
    WindowRef alert = nullptr;
    ASSERT_EQ(CreateStandardAlert(kAlertCautionAlert, "Past?", "", &params, &alert), noErr);
    WindowClass windowClass = 0;
    GetWindowClass(alert, &windowClass);
    EXPECT_EQ(windowClass, kAlertWindowClass) << "not movable";
    SetModalDriver(c.user);
    DialogItemIndex hit = -1;
    EXPECT_EQ(RunStandardAlert(alert, &hit), c.status);
    EXPECT_EQ(hit, c.hit);
    EXPECT_FALSE(IsValidWindowHandle(alert));
  }
  EXPECT_EQ(CreateStandardAlert(9, "?", std::nullopt, nullptr, nullptr), paramErr);
}

}  // namespace
