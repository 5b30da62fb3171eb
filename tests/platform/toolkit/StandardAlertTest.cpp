#include <functional>

#include "ToolkitFixture.h"
#include "platform/toolkit/StandardAlert.h"

namespace {

using StandardAlertTest = ToolkitTest;

TEST_F(StandardAlertTest, ReportsTheButtonPressedAndDisposesOfTheAlert) {
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
