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

TEST_F(DialogWaitTest, ValidationDecidesWhetherOKCloses) {
  struct Case {
    std::vector<int> verdicts;  // 1 accepts, 0 keeps the dialog open, -1 cancels
    std::vector<bool> openAfter;
    OSType result;
  };
  for (const Case& c :
       {Case{{0, 1}, {true, false}, FourCC("ok  ")}, Case{{-1}, {false}, FourCC("not!")}}) {
    ScriptedAlert alert(c.verdicts, nullptr);
    ASSERT_TRUE(alert.isInited());
    EXPECT_EQ(PressOK(alert, int(c.verdicts.size())), c.openAfter);
    EXPECT_EQ(alert.result(), c.result);
    EXPECT_FALSE(IsWindowVisible(alert.window()));
  }
}

TEST_F(DialogWaitTest, OnlyOKAndCancelCommandsAreHandled) {
  ScriptedAlert alert({1}, nullptr);
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("othr")), eventNotHandledErr);
  EXPECT_EQ(alert.result(), 0u);
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("not!")), noErr);
  EXPECT_EQ(alert.result(), FourCC("not!"));
  EXPECT_EQ(alert.mAsked, 0);  // Cancel does not validate
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

TEST_F(DialogWaitTest, RemovedHandlerNoLongerAnswersAndEnableWorksOnExistingButtons) {
  ScriptedAlert alert({1}, nullptr);
  DisableControl(alert.getControlByID(UI_DialogWait::kOKButtonSignature, 0));
  alert.enableOK(false);  // the argument is not used: the button is enabled
  EXPECT_TRUE(IsControlEnabled(alert.getControlByID(UI_DialogWait::kOKButtonSignature, 0)));
  alert.removeEventHandler();
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("ok  ")), eventNotHandledErr);
  EXPECT_EQ(alert.getControlByID(FourCC("none"), 0), nullptr);
}

}  // namespace
