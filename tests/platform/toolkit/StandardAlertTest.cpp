#include <functional>

#include "ToolkitFixture.h"
#include "platform/toolkit/StandardAlert.h"

namespace {

using StandardAlertTest = ToolkitTest;

AlertStdCFStringAlertParamRec OkCancel() {
  AlertStdCFStringAlertParamRec params;
  params.cancelText = kAlertDefaultCancelText;
  params.cancelButton = kAlertStdAlertCancelButton;
  return params;
}

TEST_F(StandardAlertTest, ReportsTheButtonTheUserPressedAndDisposesOfTheAlert) {
  const struct {
    const char* name;
    std::function<void(WindowRef)> user;
    OSStatus status;
    DialogItemIndex hit;
  } kCases[] = {
      {"Return", [](WindowRef w) { UserTypeKey(w, kReturnCharCode); }, noErr, 1},
      {"Escape", [](WindowRef w) { UserTypeKey(w, kEscapeCharCode); }, noErr, 2},
      {"click Cancel", [](WindowRef w) { UserClickControl(Find(w, "canc", 0)); }, noErr, 2},
      {"nobody answers", [](WindowRef) {}, errModalLoopUnanswered, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const AlertStdCFStringAlertParamRec params = OkCancel();
    WindowRef alert = nullptr;
    ASSERT_EQ(CreateStandardAlert(kAlertCautionAlert, "Past?", "", &params, &alert), noErr);
    SetModalDriver(c.user);
    DialogItemIndex hit = -1;
    EXPECT_EQ(RunStandardAlert(alert, &hit), c.status);
    EXPECT_EQ(hit, c.hit);
    EXPECT_FALSE(IsValidWindowHandle(alert));
  }
}

TEST_F(StandardAlertTest, ShowsTheTextsAndOnlyTheButtonsAskedFor) {
  const AlertStdCFStringAlertParamRec params = OkCancel();
  WindowRef alert = nullptr;
  ASSERT_EQ(CreateStandardAlert(kAlertCautionAlert, "Past?", std::nullopt, &params, &alert), noErr);
  WindowOwner owner(alert);
  WindowClass windowClass = 0;
  GetWindowClass(alert, &windowClass);
  EXPECT_EQ(windowClass, kAlertWindowClass) << "not movable";
  std::string message, explanation = "x";
  GetControlText(Find(alert, "alrt", 1), &message);
  GetControlText(Find(alert, "alrt", 2), &explanation);
  EXPECT_EQ(message + "|" + explanation, "Past?|");
  EXPECT_EQ(CopyControlTitleAsCFString(Find(alert, "canc", 0)), "Cancel");
  EXPECT_FALSE(Find(alert, "help", 0));
  EXPECT_FALSE(Find(alert, "othr", 0));
  EXPECT_FALSE(IsWindowVisible(alert));
  EXPECT_EQ(CreateStandardAlert(9, "?", std::nullopt, nullptr, &alert), paramErr);
}

}  // namespace
