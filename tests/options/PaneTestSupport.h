#pragma once
// A print dialog with the extension's panes installed, as the frame leaves it after start-up:
// a window with the printing system's pane and its Print button (the default button, sending
// command 'prnt'), a controller with the bundled PPD (installed finisher chosen by the case),
// the media-types list and the pictures, and a temporary HOME for preferences. DialogTest adds the
// bundle's strings for the dialogs' titles and questions, and a modal driver that answers each
// dialog by its window name.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "TestSupport/ScopedPDEBundle.h"
#include "TestSupport/TemporaryFiles.h"
#include "TestSupport/ToolkitTestSupport.h"
#include "options/InstalledPanes.h"
#include "platform/PlatformTestSupport.h"

class PaneTest : public ::testing::Test {
 public:
  static constexpr uint32_t kPrintCommand = FourCC("prnt");

 protected:
  void TearDown() override {
    mController.reset();
    ResetToolkit();
  }

  // Installs the panes; `finisher` is marked as the installed KTFinisher choice when given.
  void Install(bool secureAccess = false, const char* finisher = nullptr) {
    mController.reset();
    ResetToolkit();
    ASSERT_EQ(CreateNewWindow(kDocumentWindowClass, {40, 40, 700, 700}, &mWindow), noErr);
    ASSERT_EQ(CreateControl(mWindow, ControlKind::UserPane, {20, 20, 595, 620}, &mPane), noErr);
    ASSERT_EQ(CreateControl(mWindow, ControlKind::PushButton, {620, 540, 640, 620}, &mPrint),
              noErr);
    SetControlCommandID(mPrint, kPrintCommand);
    SetWindowDefaultButton(mWindow, mPrint);
    ShowWindow(mWindow);
    mController.reset(MakeController(secureAccess));
    ASSERT_NE(mController, nullptr);
    ASSERT_EQ(InstallBundledPanes(*mController, kBundle, secureAccess, finisher), noErr);
  }

  // Clicks the Print button; the print commands that got past the extension's handlers.
  int ClickPrint() {
    int commands = 0;
    const EventTypeSpec command{kEventClassCommand, kEventCommandProcess};
    EventHandlerRef handler = nullptr;
    InstallWindowEventHandler(
        mWindow,
        [](EventRef event, void* count) -> OSStatus {
          HICommand hit;
          if (GetEventCommand(event, &hit) == noErr && hit.commandID == kPrintCommand)
            ++*static_cast<int*>(count);
          return noErr;
        },
        1, &command, &commands, &handler);
    UserClickControl(mPrint);
    RemoveEventHandler(handler);
    return commands;
  }

  // The controller the panes are installed for; a case may make one that records its calls.
  virtual CCorvelOptions* MakeController(bool secureAccess) {
    return CCorvelOptions::CreateInstance(mPane, secureAccess);
  }

  ControlRef Control(const char (&signature)[5], int32_t id) {
    return FindControl(mWindow, signature, id);
  }
  int32_t Value(const char (&signature)[5], int32_t id) {
    return GetControl32BitValue(Control(signature, id));
  }
  CorvelOptionsData& Data() { return mController->mCorvelOptionsData; }
  // The image the view's last drawing drew; null when it drew none.
  static CGImageRef DrawnImage(ControlRef view) {
    for (const DrawOperation& op : GetControlLastDrawing(view))
      if (op.kind == DrawOperation::Kind::DrawImage) return op.image;
    return nullptr;
  }

  const std::filesystem::path kBundle = CORVEL_BUNDLE_DIR;
  TemporaryHome mHome;
  WindowRef mWindow = nullptr;
  ControlRef mPane = nullptr;
  ControlRef mPrint = nullptr;
  std::unique_ptr<CCorvelOptions> mController;
};

class DialogTest : public PaneTest {
 protected:
  using Answer = std::function<void(WindowRef)>;

  void SetUp() override {
    Install(SecureAccessModel());
    // A dialog without an answer for its name is left at once, which ends its loop unanswered.
    SetModalDriver([this](WindowRef dialog) {
      ++mShown[GetWindowName(dialog)];
      if (auto answer = mAnswers.find(GetWindowName(dialog)); answer != mAnswers.end())
        answer->second(dialog);
    });
  }

  virtual bool SecureAccessModel() const { return false; }

  ScopedPDEBundle mPDEBundle{kBundle};
  std::map<std::string, Answer> mAnswers;  // by window name; the standard alert's name is ""
  std::map<std::string, int> mShown;       // loops run, by window name
};
