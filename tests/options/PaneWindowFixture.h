#pragma once
// A controller with its panes installed in a shown print-dialog window, the plug-in bundle from
// the source tree for the interface file and the strings, and a modal driver that answers each
// dialog by its window name.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "OptionsTestSupport.h"
#include "TestSupport/ToolkitTestSupport.h"
#include "platform/toolkit/Toolkit.h"
#include "ui/PDEBundle.h"

class PaneWindowTest : public ControllerTest, public ::testing::Test {
 protected:
  using Answer = std::function<void(WindowRef)>;
  static constexpr const char* kBundleFolder = CORVEL_SOURCE_DIR "/bundle";

  PaneWindowTest() {
    RegisterBundleFolder(kBundleFolder);
    PDEBundle::InitBundle(CFBundleCreate(kBundleFolder));
    WindowRef window = nullptr;
    CreateNewWindow(kDocumentWindowClass, Rect{40, 40, 700, 800}, &window);
    ControlRef pane = nullptr;
    CreateControl(window, ControlKind::UserPane, Rect{0, 0, 660, 760}, &pane);
    mController.reset();
    mController.reset(CCorvelOptions::CreateInstance(pane, false));
    mController->mCupsPPD.reset(ppdOpenFile(CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
    mController->SetPrintSettingsTicket(mTicket);
    mController->InstallCorvelControlsInUI();
    ShowWindow(window);
    mWindow = window;
    // A dialog without an answer for its name is left at once, which ends its loop unanswered.
    SetModalDriver([this](WindowRef dialog) {
      ++mShown[GetWindowName(dialog)];
      if (auto answer = mAnswers.find(GetWindowName(dialog)); answer != mAnswers.end())
        answer->second(dialog);
    });
  }

  ~PaneWindowTest() override {
    mController.reset();
    ResetToolkit();
    PDEBundle::mBundle = nullptr;
    PDEBundle::mInit = false;
  }

  ControlRef Pane(const char (&signature)[5], int32_t id) {
    return FindControl(mWindow, signature, id);
  }

  WindowRef mWindow = nullptr;
  std::map<std::string, Answer> mAnswers;  // by window name; the standard alert's name is ""
  std::map<std::string, int> mShown;       // loops run, by window name
};
