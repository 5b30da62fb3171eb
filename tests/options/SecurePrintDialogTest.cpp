#include <string>

#include "PaneWindowFixture.h"
#include "options/PStringFields.h"

namespace {

class SecurePrintDialogTest : public DialogTest {
 protected:
  // The user's click on the Info pane's secure-print button.
  void ClickSecurePrint() {
    UserClickTab(Control("crvl", 128), 6);  // the Info tab (a second click does nothing)
    UserClickControl(Control("info", 15));
  }

  std::string Title() { return CopyControlTitleAsCFString(Control("info", 15)).value_or("?"); }
};

TEST_F(SecurePrintDialogTest, ClickWithAPasswordSetTurnsSecurePrintingOffWithoutADialog) {
  SetPStringBytes("abc123", Data().securePrintPassword);
  ClickSecurePrint();
  EXPECT_EQ(PStringBytes(Data().securePrintPassword), "");
  EXPECT_EQ(Title(), "Enable...");
  EXPECT_TRUE(mShown.empty());
}

TEST_F(SecurePrintDialogTest, TypedPasswordsAreStoredOnlyWhenTheyMatch) {
  const std::string tooLong(40, 'a');
  const struct {
    const char* name;
    std::string first, again;
    std::string stored, title;
    int mismatchSheets;
  } kCases[] = {
      {"both empty", "", "", "", "Enable...", 0},
      {"the same", "abc123", "abc123", "abc123", "Disable...", 0},
      {"letters and digits only", "pass-word", "password", "password", "Disable...", 0},
      {"at most 32", tooLong, tooLong, std::string(32, 'a'), "Disable...", 0},
      {"different", "abc123", "abc124", "", "Enable...", 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
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
    ClickSecurePrint();
    EXPECT_EQ(PStringBytes(Data().securePrintPassword), c.stored);
    EXPECT_EQ(Title(), c.title);
    EXPECT_EQ(mShown["SecurePrintErrorWindow"], c.mismatchSheets);
    EXPECT_EQ(stayedOpen, c.mismatchSheets > 0);
  }
}

TEST_F(DialogTest, RenderingStyleHelpStaysUntilItsOK) {
  int commands = 0;
  mAnswers["RenderingTable"] = [&](WindowRef help) {
    UserSendCommand(help, FourCC("skOK"));  // not this window's command
    commands += IsModalLoopRunningForWindow(help);
    UserTypeKey(help, kReturnCharCode);
  };
  mController->DoRenderingStyleHelpDlg();
  EXPECT_EQ(commands, 1);
  EXPECT_EQ(mShown["RenderingTable"], 1);
  EXPECT_EQ(GetWindowList().size(), 1u) << "only the print dialog is left";
}

}  // namespace
