// The constraint rules as the dialog runs them, on a controller with its panes installed from
// the bundled PPD and the built bundle: one full pass over every pane, as after start-up or a
// change of installed options, and one user click in the Output pane (the staple popup, its
// choice alternating), which runs that pane's rules from the control-hit handler.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "Repetitions.h"
#include "TestSupport/TemporaryFiles.h"
#include "TestSupport/ToolkitTestSupport.h"
#include "options/InstalledPanes.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/UserActions.h"
#include "platform/toolkit/Windows.h"

namespace {

// The dialog window with its Print button (the default button) and the panes installed; null
// controller when installing failed.
class InstalledDialog {
 public:
  InstalledDialog() {
    setenv("HOME", mHome.path().c_str(), 1);
    CreateNewWindow(kDocumentWindowClass, {40, 40, 700, 700}, &mWindow);
    CreateControl(mWindow, ControlKind::UserPane, {20, 20, 595, 620}, &mPane);
    ControlRef print = nullptr;
    CreateControl(mWindow, ControlKind::PushButton, {620, 540, 640, 620}, &print);
    SetWindowDefaultButton(mWindow, print);
    ShowWindow(mWindow);
    mController.reset(CCorvelOptions::CreateInstance(mPane, false));
    if (InstallBundledPanes(*mController, CORVEL_BUNDLE_DIR, false, "Finisher6") != noErr)
      mController.reset();
  }
  ~InstalledDialog() {
    mController.reset();
    ResetToolkit();
  }
  InstalledDialog(const InstalledDialog&) = delete;
  InstalledDialog& operator=(const InstalledDialog&) = delete;

  CCorvelOptions* Controller() const { return mController.get(); }
  ControlRef Control(const char (&signature)[5], int32_t id) const {
    return FindControl(mWindow, signature, id);
  }

 private:
  TemporaryFolder mHome;
  WindowRef mWindow = nullptr;
  ControlRef mPane = nullptr;
  std::unique_ptr<CCorvelOptions> mController;
};

InstalledDialog& Dialog() {
  static InstalledDialog dialog;
  return dialog;
}

void BM_ConstraintPass(benchmark::State& state) {
  CCorvelOptions* controller = Dialog().Controller();
  if (!controller) {
    state.SkipWithError("the panes could not be installed (is the bundle built?)");
    return;
  }
  for (auto _ : state) controller->SetUIConstraints(All_CorvelOptions);
}

void BM_OutputPaneClick(benchmark::State& state) {
  constexpr uint16_t kOutputTab = 3;
  ControlRef tabs = Dialog().Control("crvl", 128);
  if (!Dialog().Controller() || !tabs) {
    state.SkipWithError("the panes' tabs are missing");
    return;
  }
  UserClickTab(tabs, kOutputTab);  // the handlers answer "not handled": the tab switches anyway
  ControlRef staple = Dialog().Control("outp", 29);
  if (!staple) {
    state.SkipWithError("the Output pane's staple popup is missing");
    return;
  }
  uint16_t item = 1;
  for (auto _ : state) {
    item = item == 1 ? 2 : 1;
    benchmark::DoNotOptimize(UserChoosePopupItem(staple, item));
  }
}

BENCHMARK(BM_ConstraintPass)->Apply(TenRepetitionsInMicroseconds);
BENCHMARK(BM_OutputPaneClick)->Apply(TenRepetitionsInMicroseconds);

}  // namespace

BENCHMARK_MAIN();
