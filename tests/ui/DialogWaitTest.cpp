#include "UiFixture.h"
#include "ui/UI_KTVAlert.h"

namespace {

// An alert whose validation answers from a script, one verdict per OK.
class ScriptedAlert : public UI_KTVAlert {
 public:
  ScriptedAlert(std::vector<int> verdicts, WindowRef parent)
      : UI_KTVAlert(std::string("Check"), std::nullopt, 0, parent, std::nullopt, std::nullopt),
        mVerdicts(std::move(verdicts)) {}
  int validateInput() override {
    ++mAsked;
    return mVerdicts.at(size_t(mAsked - 1));
  }
  std::vector<int> mVerdicts;
  int mAsked = 0;
};

using DialogWaitTest = UiTest;

// Presses OK `presses` times and records whether the dialog was still open after each press.
std::vector<bool> PressOK(ScriptedAlert& alert, int presses) {
  std::vector<bool> openAfter;
  SetModalDriver([&](WindowRef window) {
    for (int i = 0; i < presses; ++i) {
      UserTypeKey(window, kReturnCharCode);
      openAfter.push_back(IsModalLoopRunningForWindow(window));
    }
  });
  alert.show();
  alert.waitForUser();
  return openAfter;
}

TEST_F(DialogWaitTest, ValidationZeroKeepsTheDialogOpenAndMinusOneCancels) {
  ScriptedAlert alert({0, -1}, nullptr);
  ASSERT_TRUE(alert.isInited());
  EXPECT_EQ(PressOK(alert, 2), (std::vector<bool>{true, false}));
  EXPECT_EQ(alert.result(), FourCC("not!"));
  EXPECT_FALSE(IsWindowVisible(alert.window()));
}

TEST_F(DialogWaitTest, OnlyOKAndCancelCommandsAreHandledAndOnlyWhileTheHandlerIsThere) {
  ScriptedAlert alert({1}, nullptr);
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("othr")), eventNotHandledErr);
  EXPECT_EQ(alert.result(), 0u);
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("not!")), noErr);
  EXPECT_EQ(alert.result(), FourCC("not!"));
  alert.removeEventHandler();
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("ok  ")), eventNotHandledErr);
  EXPECT_EQ(alert.mAsked, 0);  // neither Cancel nor an unheard OK validates
}

TEST_F(DialogWaitTest, SheetIsShownOnItsParentAndHiddenFromIt) {
  WindowRef parent = nullptr;
  CreateNewWindow(kDocumentWindowClass, {0, 0, 300, 300}, &parent);
  ScriptedAlert alert({1}, parent);
  alert.show();
  WindowRef shownOn = nullptr;
  EXPECT_EQ(GetSheetWindowParent(alert.window(), &shownOn), noErr);
  EXPECT_EQ(shownOn, parent);
  alert.hide();
  EXPECT_EQ(GetSheetWindowParent(alert.window(), &shownOn), errWindowNotSheet);
  EXPECT_FALSE(IsWindowVisible(alert.window()));
}

TEST_F(DialogWaitTest, EnableWorksOnTheButtonsThatExist) {
  ScriptedAlert alert({1}, nullptr);
  DisableControl(alert.getControlByID(UI_DialogWait::kOKButtonSignature, 0));
  alert.enableOK(false);  // the argument is not used: the button is enabled
  EXPECT_TRUE(IsControlEnabled(alert.getControlByID(UI_DialogWait::kOKButtonSignature, 0)));
  EXPECT_EQ(alert.getControlByID(FourCC("none"), 0), nullptr);
}

}  // namespace
