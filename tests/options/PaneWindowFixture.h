#pragma once
// The installed panes of PaneTest, the bundle's strings for the dialogs' titles and questions, and
// a modal driver that answers each dialog by its window name.
#include <functional>
#include <map>
#include <string>

#include "PaneTestSupport.h"
#include "TestSupport/ScopedPDEBundle.h"
#include "platform/toolkit/Toolkit.h"

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
