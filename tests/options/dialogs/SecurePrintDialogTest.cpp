#include <string>

#include "options/PaneTestSupport.h"
#include "options/store/PStringFields.h"

namespace {

class SecurePrintDialogTest : public DialogTest {
 protected:
  // The user's click on an Info pane button (by default the secure-print button); the title of
  // the secure-print button afterwards.
  std::string ClickSecurePrint(int32_t button = 15) {
    UserClickTab(Control("crvl", 128), 6);  // the Info tab (a second click does nothing)
    UserClickControl(Control("info", button));
    return CopyControlTitleAsCFString(Control("info", 15)).value_or("?");
  }
};

TEST_F(SecurePrintDialogTest, ClearingAPasswordTurnsSecurePrintingOffWithoutADialog) {
  for (int32_t button : {15, 16}) {  // the secure-print button, the pane's Defaults
    SetPStringBytes("abc123", Data().securePrintPassword);
    mController->SetCorvelOptionsInUI(Info_CorvelOptions, RefreshOptions);
    EXPECT_EQ(CopyControlTitleAsCFString(Control("info", 15)), "Disable...") << button;
    EXPECT_EQ(ClickSecurePrint(button), "Enable...") << button;
    EXPECT_EQ(PStringBytes(Data().securePrintPassword), "") << button;
  }
  EXPECT_TRUE(mShown.empty());
}

TEST_F(SecurePrintDialogTest, TypedPasswordsAreStoredOnlyWhenTheyMatch) {
  const std::string tooLong(40, 'a');
  const struct {
    std::string first, again, stored, title;
    int mismatchSheets;
  } kCases[] = {
      {"", "", "", "Enable...", 0},
      {"abc123", "abc123", "abc123", "Disable...", 0},
      {"pass-word", "password", "password", "Disable...", 0},  // letters and digits only
      {tooLong, tooLong, std::string(32, 'a'), "Disable...", 0},
      {"abc123", "abc124", "", "Enable...", 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.first + " / " + c.again);
    mShown.clear();
    Data().securePrintPassword[0] = 0;
    SetControlTitleWithCFString(Control("info", 15), "Enable...");  // as the pane starts
    bool stayedOpen = false;
    const uint32_t beeps = GetSysBeepCount();
    mAnswers["SecurePrintErrorWindow"] = [&](WindowRef sheet) {
      EXPECT_EQ(GetSysBeepCount(), beeps + 1);
      EXPECT_EQ(GetSheetWindowParent(sheet, nullptr), noErr);
      UserTypeKey(sheet, kReturnCharCode);
    };
    mAnswers["SecurePrintWindow"] = [&](WindowRef dialog) {
      UserTypeText(dialog, c.first);
      SetKeyboardFocus(dialog, FindControl(dialog, "secp", 11));
      UserTypeText(dialog, c.again);
      UserTypeKey(dialog, kReturnCharCode);
      stayedOpen = IsModalLoopRunningForWindow(dialog);
      if (stayedOpen) UserTypeKey(dialog, kEscapeCharCode);
    };
    EXPECT_EQ(ClickSecurePrint(), c.title);
    EXPECT_EQ(PStringBytes(Data().securePrintPassword), c.stored);
    EXPECT_EQ(mShown["SecurePrintErrorWindow"], c.mismatchSheets);
    EXPECT_EQ(stayedOpen, c.mismatchSheets > 0);
  }
}

TEST_F(DialogTest, RenderingStyleHelpEndsOnlyOnItsOK) {
  bool openAfterOtherCommand = false;
  mAnswers["RenderingTable"] = [&](WindowRef help) {
    UserSendCommand(help, FourCC("skOK"));
    openAfterOtherCommand = IsModalLoopRunningForWindow(help);
    UserTypeKey(help, kReturnCharCode);
  };
  mController->DoRenderingStyleHelpDlg();
  EXPECT_TRUE(openAfterOtherCommand);
  EXPECT_EQ(GetWindowList().size(), 1u) << "only the print dialog is left";
}

}  // namespace
