#include <filesystem>
#include <fstream>

#include "TestSupport/TemporaryFiles.h"
#include "UiFixture.h"
#include "ui/UI_KTVAlert.h"

namespace {

// What the modal driver saw of the alert when its loop started.
struct Seen {
  int loops = 0;
  std::string name;
  WindowClass windowClass = 0;
  WindowRef sheetParent = nullptr;
  bool cancelVisible = false;
  std::string first, second;
  int16_t firstSize = 0, secondSize = 0;
  std::string okTitle, cancelTitle;
};

class AlertTest : public UiTest {
 protected:
  // Installs a driver that records the alert and then presses the given key.
  void AnswerWith(int16_t key) {
    SetModalDriver([this, key](WindowRef window) {
      ++mSeen.loops;
      mSeen.name = GetWindowName(window);
      GetWindowClass(window, &mSeen.windowClass);
      GetSheetWindowParent(window, &mSeen.sheetParent);
      ControlRef cancel = Find(window, "canc", 0);
      mSeen.cancelVisible = IsControlVisible(cancel);
      mSeen.cancelTitle = CopyControlTitleAsCFString(cancel).value_or("");
      mSeen.okTitle = CopyControlTitleAsCFString(Find(window, "ok  ", 0)).value_or("");
      ControlFontStyleRec font;
      mSeen.first = Text(Find(window, "alrt", 1));
      GetControlFontStyle(Find(window, "alrt", 1), &font);
      mSeen.firstSize = font.size;
      if (ControlRef second = Find(window, "alrt", 2)) {
        mSeen.second = Text(second);
        GetControlFontStyle(second, &font);
        mSeen.secondSize = font.size;
      }
      UserTypeKey(window, key);
      // Escape does nothing when Cancel is hidden; Return then ends the alert.
      if (IsModalLoopRunningForWindow(window)) UserTypeKey(window, kReturnCharCode);
    });
  }

  WindowRef NewWindow(WindowClass windowClass) {
    WindowRef window = nullptr;
    CreateNewWindow(windowClass, {40, 40, 400, 600}, &window);
    ShowWindow(window);
    return window;
  }

  Seen mSeen;
};

TEST_F(AlertTest, HiddenCancelLeavesOnlyOKAndReturnAnswersOK) {
  AnswerWith(kEscapeCharCode);
  EXPECT_EQ(UI_KTVAlert::TellUser("Disk full", UI_KTVAlert::kHideCancelButton, nullptr),
            FourCC("ok  "));
  EXPECT_FALSE(mSeen.cancelVisible);
  EXPECT_EQ(mSeen.name, "One Line");
  EXPECT_EQ(mSeen.first, "Disk full");
  EXPECT_EQ(mSeen.firstSize, kSystemFontSize);
}

TEST_F(AlertTest, CancelShownAnswersNotWithEscape) {
  AnswerWith(kEscapeCharCode);
  EXPECT_EQ(UI_KTVAlert::TellUser("Address invalid", "Press OK", 514, nullptr), FourCC("not!"));
  EXPECT_TRUE(mSeen.cancelVisible);
  EXPECT_EQ(mSeen.name, "Two Line");
  EXPECT_EQ(mSeen.second, "Press OK");
  EXPECT_EQ(mSeen.secondSize, kSmallSystemFontSize);  // 0x200
  EXPECT_EQ(mSeen.firstSize, kSystemFontSize);
  EXPECT_EQ(mSeen.okTitle, "OK");
  EXPECT_EQ(mSeen.cancelTitle, "Cancel");
}

TEST_F(AlertTest, SheetOverAWindowAndDialogOverASheet) {
  WindowRef document = NewWindow(kDocumentWindowClass);
  AnswerWith(kReturnCharCode);
  UI_KTVAlert::TellUser(std::string("Over the dialog"), std::string("second"), 0x100, document,
                        std::nullopt, std::nullopt);
  EXPECT_EQ(mSeen.name, "Two Line Sheet");
  EXPECT_EQ(mSeen.windowClass, kSheetAlertWindowClass);
  EXPECT_EQ(mSeen.sheetParent, document);
  EXPECT_EQ(mSeen.firstSize, kSmallSystemFontSize);  // 0x100

  WindowRef sheet = NewWindow(kSheetWindowClass);
  mSeen = {};
  UI_KTVAlert::TellUser(std::string("Over a sheet"), 0, sheet);
  EXPECT_EQ(mSeen.name, "One Line");
  EXPECT_EQ(mSeen.windowClass, kMovableModalWindowClass);
  EXPECT_EQ(mSeen.sheetParent, nullptr);
}

TEST_F(AlertTest, GivenButtonTitlesReplaceTheStandardOnes) {
  AnswerWith(kReturnCharCode);
  UI_KTVAlert::TellUser(std::string("Replace it?"), 0, nullptr, std::string("Replace"));
  EXPECT_EQ(mSeen.okTitle, "Replace");
  EXPECT_EQ(mSeen.cancelTitle, "Cancel");
}

TEST_F(AlertTest, NothingIsShownWithoutMessageBundleOrInterfaceFile) {
  AnswerWith(kReturnCharCode);
  EXPECT_EQ(UI_KTVAlert::TellUser(nullptr, "reason", 0, nullptr), FourCC("canc"));
  PDEBundle::mInit = false;
  EXPECT_EQ(UI_KTVAlert::TellUser("message", nullptr, 0, nullptr), FourCC("canc"));
  PDEBundle::InitBundle(CFBundleCreate(CORVEL_SOURCE_DIR "/tests/ui"));  // not a bundle: null
  EXPECT_EQ(UI_KTVAlert::TellUser("message", nullptr, 0, nullptr), FourCC("canc"));
  EXPECT_EQ(mSeen.loops, 0);
  EXPECT_TRUE(GetWindowList().empty());
}

TEST_F(AlertTest, UnansweredAlertEndsCancelled) {
  EXPECT_EQ(UI_KTVAlert::TellUser("Nobody answers", nullptr, 0, nullptr), FourCC("not!"));
  EXPECT_TRUE(GetWindowList().empty());  // the alert disposed of its window
}

TEST_F(AlertTest, StandardTitlesComeFromTheDialogsTableAndSizeTheButtons) {
  namespace fs = std::filesystem;
  const TemporaryFolder parent;
  const fs::path folder = parent.path() / "alert-test.plugin";
  fs::create_directories(folder / "Contents/Resources/en.lproj");
  fs::copy_file(fs::path(kBundleFolder) / "Contents/Info.plist", folder / "Contents/Info.plist",
                fs::copy_options::overwrite_existing);
  fs::copy_file(fs::path(kBundleFolder) / "Contents/Resources/AlertUI.xml",
                folder / "Contents/Resources/AlertUI.xml", fs::copy_options::overwrite_existing);
  std::ofstream(folder / "Contents/Resources/en.lproj/Dialogs.strings")
      << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>OK</key><string>Fine</string>"
         "<key>Cancel</key><string>Never mind, leave everything as it was</string></dict></plist>";
  PDEBundle::InitBundle(CFBundleCreate(folder));

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

}  // namespace
