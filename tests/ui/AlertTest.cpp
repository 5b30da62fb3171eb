#include <filesystem>
#include <functional>

#include "UiFixture.h"
#include "platform/TestBundle.h"
#include "ui/UI_KTVAlert.h"

namespace {

class AlertTest : public UiTest {
 protected:
  // What an alert shows, in one line: window name and class, the parent it hangs from as a sheet,
  // the OK and Cancel titles ("-" for a hidden button), each text line with its font size.
  static std::string Describe(WindowRef window) {
    auto title = [](ControlRef button) {
      return IsControlVisible(button) ? CopyControlTitleAsCFString(button).value_or("") : "-";
    };
    auto line = [](ControlRef text) {
      ControlFontStyleRec font;
      GetControlFontStyle(text, &font);
      return Text(text) + "@" + std::to_string(font.size);
    };
    WindowClass windowClass = 0;
    GetWindowClass(window, &windowClass);
    std::string shown = GetWindowName(window) + "/" + std::to_string(windowClass);
    if (WindowRef parent = nullptr; GetSheetWindowParent(window, &parent) == noErr)
      shown += " on " + CopyWindowTitleAsCFString(parent).value_or("?");
    shown += " [" + title(Find(window, "ok  ", 0)) + "|" + title(Find(window, "canc", 0)) + "] " +
             line(Find(window, "alrt", 1));
    if (ControlRef second = Find(window, "alrt", 2)) shown += " / " + line(second);
    return shown;
  }

  // Installs a driver that writes down what the alert shows and then presses the given key.
  void AnswerWith(int16_t key) {
    SetModalDriver([this, key](WindowRef window) {
      ++mLoops;
      mShown = Describe(window);
      UserTypeKey(window, key);
      // Escape does nothing when Cancel is hidden; Return then ends the alert.
      if (IsModalLoopRunningForWindow(window)) UserTypeKey(window, kReturnCharCode);
    });
  }

  static WindowRef NewWindow(WindowClass windowClass, const std::string& title) {
    WindowRef window = nullptr;
    CreateNewWindow(windowClass, {40, 40, 400, 600}, &window);
    SetWindowTitleWithCFString(window, title);
    ShowWindow(window);
    return window;
  }

  int mLoops = 0;
  std::string mShown;
};

TEST_F(AlertTest, ShowsItsTextsInTheRightWindowAndAnswersTheKey) {
  WindowRef document = NewWindow(kDocumentWindowClass, "document");
  WindowRef sheet = NewWindow(kSheetWindowClass, "sheet");
  using std::nullopt;
  using Text = std::string;
  struct Case {
    std::function<OSType()> tell;
    int16_t key;
    OSType answer;
    std::string shown;
  };
  const Case cases[] = {
      {[] { return UI_KTVAlert::TellUser("Disk full", UI_KTVAlert::kHideCancelButton, nullptr); },
       kEscapeCharCode, FourCC("ok  "), "One Line/4 [OK|-] Disk full@13"},
      {[] { return UI_KTVAlert::TellUser("Address invalid", "Press OK", 0x202, nullptr); },
       kEscapeCharCode, FourCC("not!"), "Two Line/4 [OK|Cancel] Address invalid@13 / Press OK@11"},
      {[&] {
         return UI_KTVAlert::TellUser(Text("Over it"), Text("second"), 0x100, document, nullopt,
                                      nullopt);
       },
       kReturnCharCode, FourCC("ok  "),
       "Two Line Sheet/15 on document [OK|Cancel] Over it@11 / second@13"},
      {[&] { return UI_KTVAlert::TellUser(Text("Over a sheet"), 0, sheet); }, kReturnCharCode,
       FourCC("ok  "), "One Line/4 [OK|Cancel] Over a sheet@13"},
      {[] { return UI_KTVAlert::TellUser(Text("Replace it?"), 0, nullptr, Text("Replace")); },
       kReturnCharCode, FourCC("ok  "), "One Line/4 [Replace|Cancel] Replace it?@13"},
  };
  for (const Case& c : cases) {
    AnswerWith(c.key);
    EXPECT_EQ(c.tell(), c.answer) << c.shown;
    EXPECT_EQ(mShown, c.shown);
  }
}

TEST_F(AlertTest, AlertsUnansweredOrNotShownLeaveNoWindowBehind) {
  EXPECT_EQ(UI_KTVAlert::TellUser("Nobody answers", nullptr, 0, nullptr), FourCC("not!"));
  EXPECT_TRUE(GetWindowList().empty());  // the alert disposed of its window

  AnswerWith(kReturnCharCode);  // without a message, bundle or interface file nothing shows
  EXPECT_EQ(UI_KTVAlert::TellUser(nullptr, "reason", 0, nullptr), FourCC("canc"));
  PDEBundle::mInit = false;
  EXPECT_EQ(UI_KTVAlert::TellUser("message", nullptr, 0, nullptr), FourCC("canc"));
  PDEBundle::InitBundle(CFBundleCreate(CORVEL_SOURCE_DIR "/tests/ui"));  // not a bundle: null
  EXPECT_EQ(UI_KTVAlert::TellUser("message", nullptr, 0, nullptr), FourCC("canc"));
  EXPECT_EQ(mLoops, 0);
  EXPECT_TRUE(GetWindowList().empty());
}

TEST_F(AlertTest, StandardTitlesComeFromTheDialogsTableAndSizeTheButtons) {
  const TemporaryFolder parent;
  const TestBundle copy(parent.path());
  PlistValue titles;
  titles.Set("OK", "Fine");
  titles.Set("Cancel", "Never mind, leave everything as it was");
  WritePlist(copy.Resources() / "en.lproj" / "Dialogs.strings", titles);
  std::filesystem::copy_file(
      std::filesystem::path(kBundleFolder) / "Contents/Resources/AlertUI.xml",
      copy.Resources() / "AlertUI.xml");
  PDEBundle::InitBundle(CFBundleCreate(copy.folder));

  Rect cancelBounds{}, okBounds{};
  SetModalDriver([&](WindowRef window) {
    GetControlBounds(Find(window, "canc", 0), &cancelBounds);
    GetControlBounds(Find(window, "ok  ", 0), &okBounds);
    EXPECT_EQ(CopyControlTitleAsCFString(Find(window, "ok  ", 0)), "Fine");
    UserTypeKey(window, kReturnCharCode);
  });
  UI_KTVAlert::TellUser("Message", nullptr, 0, nullptr);
  EXPECT_EQ(cancelBounds.right, 312);  // the long title grew the button to the left
  EXPECT_LT(cancelBounds.left, 232);
  EXPECT_EQ(okBounds, (Rect{68, 320, 88, 400}));  // a short title needs no more room
}

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

TEST_F(AlertTest, ValidationZeroKeepsTheDialogOpenAndMinusOneCancels) {
  ScriptedAlert alert({0, -1}, nullptr);
  ASSERT_TRUE(alert.isInited());
  EXPECT_EQ(PressOK(alert, 2), (std::vector<bool>{true, false}));
  EXPECT_EQ(alert.result(), FourCC("not!"));
  EXPECT_FALSE(IsWindowVisible(alert.window()));
}

TEST_F(AlertTest, OnlyOKAndCancelCommandsAreHandledAndOnlyWhileTheHandlerIsThere) {
  ScriptedAlert alert({1}, nullptr);
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("othr")), eventNotHandledErr);
  EXPECT_EQ(alert.result(), 0u);
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("not!")), noErr);
  EXPECT_EQ(alert.result(), FourCC("not!"));
  alert.removeEventHandler();
  EXPECT_EQ(ProcessHICommand(alert.window(), nullptr, FourCC("ok  ")), eventNotHandledErr);
  EXPECT_EQ(alert.mAsked, 0);  // neither Cancel nor an unheard OK validates
}

TEST_F(AlertTest, SheetIsShownOnItsParentAndHiddenFromIt) {
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

TEST_F(AlertTest, EnableWorksOnTheButtonsThatExist) {
  ScriptedAlert alert({1}, nullptr);
  DisableControl(alert.getControlByID(UI_DialogWait::kOKButtonSignature, 0));
  alert.enableOK(false);  // the argument is not used: the button is enabled
  EXPECT_TRUE(IsControlEnabled(alert.getControlByID(UI_DialogWait::kOKButtonSignature, 0)));
  EXPECT_EQ(alert.getControlByID(FourCC("none"), 0), nullptr);
}

}  // namespace
