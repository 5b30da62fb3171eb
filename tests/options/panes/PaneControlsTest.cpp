// The panes as a user meets them: installed into the print dialog's pane, switched by their tabs,
// typed into, clicked, and read back into the record.
#include "options/PaneTestSupport.h"
#include "platform/Preferences.h"
#include "ui/CUPSHelper.h"

namespace {

TEST_F(PaneTest, InstallCentresThePanesAndShowsTheDefaults) {
  Install();
  ControlRef tabs = Control("crvl", 128);
  ControlRef parent = nullptr;
  GetSuperControl(tabs, &parent);
  EXPECT_EQ(parent, mPane);
  EXPECT_TRUE(IsControlVisible(Control("crvl", 129)));
  EXPECT_FALSE(IsControlVisible(Control("crvl", 130)));
  const struct {
    const char* signature;
    int32_t id;
    int32_t value;
  } defaults[] = {{"file", 10, 1}, {"file", 11, 0}, {"page", 15, 1}, {"page", 20, 4},
                  {"page", 22, 3}, {"outp", 22, 1}, {"outp", 20, 1}, {"outp", 21, 0},
                  {"qual", 2, 1},  {"xtra", 22, 1}, {"accs", 6, 0}};
  for (const auto& d : defaults) {
    const ControlID id{FourCCFromText(d.signature).value(), d.id};
    ControlRef control = nullptr;
    ASSERT_EQ(GetControlByID(mWindow, &id, &control), noErr) << d.signature << d.id;
    EXPECT_EQ(GetControl32BitValue(control), d.value) << d.signature << "/" << d.id;
  }
  // Popups that leave out their option's first choice.
  CUPSHelper ppd(mController->mCupsPPD.get());
  EXPECT_EQ(CountMenuItems(GetControlPopupMenuHandle(Control("page", 19))),
            ppd.FindNamedOption("KTCV_Imposition")->num_choices - 1);
  EXPECT_EQ(CountMenuItems(GetControlPopupMenuHandle(Control("outp", 17))),
            ppd.FindNamedOption("KTCopierBooklet")->num_choices - 1);
  EXPECT_FALSE(IsControlVisible(Control("info", 14))) << "no Secure Access: no server row";
}

TEST_F(PaneTest, TabSwitchingFocusesTheOwnerAndIgnoresTheShownTab) {
  Install();
  ControlRef tabs = Control("crvl", 128);
  ASSERT_EQ(UserClickTab(tabs, 6), noErr);
  EXPECT_TRUE(IsControlVisible(Control("crvl", 134)));
  EXPECT_FALSE(IsControlVisible(Control("crvl", 129)));
  ControlRef focus = nullptr;
  GetKeyboardFocus(mWindow, &focus);
  EXPECT_EQ(focus, Control("info", 10));
  EXPECT_EQ(UserClickTab(tabs, 6), eventNotHandledErr);
}

TEST_F(PaneTest, TextFieldsKeepTheirLimits) {
  Install();
  UserClickTab(Control("crvl", 128), 6);
  ControlRef password = Control("info", 11);
  SetKeyboardFocus(mWindow, password);
  const uint32_t beeps = GetSysBeepCount();
  UserTypeText(mWindow, "ab cd");
  EXPECT_EQ(GetSysBeepCount(), beeps + 1) << "a space is refused";
  UserTypeText(mWindow, "12345");
  std::string text;
  GetControlPasswordText(password, &text);
  EXPECT_EQ(text, "abcd1234") << "the ninth character is refused";
  EXPECT_EQ(GetSysBeepCount(), beeps + 2);
  SetControlPasswordText(password, "");
  UserPaste(mWindow, "ab-cd");
  GetControlPasswordText(password, &text);
  EXPECT_EQ(text, "") << "a paste is filtered like typing";
  EXPECT_EQ(GetSysBeepCount(), beeps + 3);
  UserPaste(mWindow, "abcdefghijkl");
  GetControlPasswordText(password, &text);
  EXPECT_EQ(text, "abcdefgh");

  SetKeyboardFocus(mWindow, Control("info", 10));
  UserPaste(mWindow, "me\n%%KTVPrintTime: 1");
  EXPECT_EQ(ControlText(Control("info", 10)), "") << "a line break is refused";
  UserPaste(mWindow, std::string(30, 'x'));
  EXPECT_EQ(ControlText(Control("info", 10)).size(), 24u);
  mController->GetCorvelOptionsFromUI(Info_CorvelOptions, nullptr);
  EXPECT_EQ(Data().owner[0], 24);
  EXPECT_EQ(Data().password[0], 8);
}

TEST_F(PaneTest, OrientationChoosesTheIconSet) {
  Install(false, "Finisher6");
  UserClickTab(Control("crvl", 128), 3);
  UserChoosePopupItem(Control("outp", 29), 2);  // the orientation buttons belong to stapling
  UserClickControl(Control("outp", 21));
  EXPECT_EQ(Data().orientationSelection, 1);
  EXPECT_EQ(Value("outp", 20), 0);
  EXPECT_EQ(DrawnImage(Control("outp", 12)), Data().stapleLandscapeIconsRefs[1]);
  ASSERT_NE(Data().stapleLandscapeIconsRefs[1], nullptr);
  UserClickControl(Control("outp", 20));
  EXPECT_EQ(DrawnImage(Control("outp", 12)), Data().stapleIconsRefs[1]);
}

TEST_F(PaneTest, PunchPictureFollowsPunchAndEdge) {
  // Picture by punch (none, 2, 3, 4 holes) and edge (Left, Right, Top).
  constexpr int kPictures[4][3] = {{0, 0, 0}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
  Install();
  UserClickTab(Control("crvl", 128), 3);
  for (int16_t orientation : {0, 1}) {
    Data().orientationSelection = orientation;
    const auto& pictures = orientation ? Data().punchLandscapeIconsRefs : Data().punchIconsRefs;
    for (int16_t punch = 1; punch <= 4; ++punch)
      for (int16_t edge = 1; edge <= 3; ++edge) {
        Data().punchMenuSelection = punch;
        Data().punchPositionMenuSelection = edge;
        Draw1Control(Control("outp", 16));
        const CGImageRef expected = pictures[kPictures[punch - 1][edge - 1]];
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(DrawnImage(Control("outp", 16)), expected)
            << "orientation " << orientation << " punch " << punch << " edge " << edge;
      }
  }
}

TEST_F(PaneTest, SelectorsReadOnlyTheirPane) {
  Install();
  Data().duplexMenuSelection = 2;
  Data().stapleMenuSelection = 8;
  mController->SetCorvelOptionsInUI(All_CorvelOptions, RefreshOptions);
  EXPECT_EQ(Value("page", 10), 2);
  SetControl32BitValue(Control("page", 10), 3);
  SetControl32BitValue(Control("outp", 22), 0);
  mController->GetCorvelOptionsFromUI(Output_CorvelOptions, nullptr);  // 5 is Output
  EXPECT_EQ(Data().offsetMode, 0);
  EXPECT_EQ(Data().duplexMenuSelection, 2) << "the Page pane was not read";
  mController->GetCorvelOptionsFromUI(Page_CorvelOptions, nullptr);
  EXPECT_EQ(Data().duplexMenuSelection, 3);
}

struct CountingOptions : CCorvelOptions {
  using CCorvelOptions::CCorvelOptions;
  bool DoSchedulePrint() override { return ++schedules, true; }
  int schedules = 0;
};

TEST_F(PaneTest, HandlersActOnTheirPaneAndRedrawIt) {
  Install();
  UserClickTab(Control("crvl", 128), 3);
  ControlRef outputPane = Control("crvl", 131);
  const uint32_t paneRedraws = GetControlRedrawCount(outputPane);
  const uint32_t iconRedraws = GetControlRedrawCount(Control("outp", 12));
  EXPECT_EQ(UserClickControl(Control("outp", 22)), eventNotHandledErr) << "offset: no action";
  EXPECT_EQ(GetControlRedrawCount(outputPane), paneRedraws + 1);
  EXPECT_EQ(GetControlRedrawCount(Control("outp", 12)), iconRedraws);
  UserClickTab(Control("crvl", 128), 1);
  EXPECT_EQ(UserClickControl(Control("file", 13)), noErr);
  EXPECT_EQ(Value("file", 10), 0);
  mController->GetCorvelOptionsFromUI(File_CorvelOptions, nullptr);
  EXPECT_EQ(Data().fileHandlingRadioID, 13);
}

TEST_F(PaneTest, DefaultButtonValidatesOnlyWithSecureAccess) {
  const std::string domain = "com.ktv.print.pde.CorvelOptions";  // no queue name in these tests
  for (bool secureAccess : {false, true}) {
    CFPreferencesSetAppValue("CorvelInfo_OwnerText", PlistValue("stored"), domain);
    Install(secureAccess);
    EXPECT_EQ(ClickPrint(), secureAccess ? 0 : 1) << "Secure Access " << secureAccess;
    EXPECT_EQ(IsControlVisible(Control("info", 14)), secureAccess);
    EXPECT_EQ(CFPreferencesCopyAppValue("CorvelInfo_OwnerText", domain).has_value(), !secureAccess);
  }
}

}  // namespace
