#include "options/panes/PaneHandlers.h"

#include "options/CCorvelOptions.h"
#include "options/panes/PaneControlIDs.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Windows.h"

int16_t lastTabIndex = 1;

namespace {

enum class Result { Handled, NotHandled };

// What a hit on controls first..last of a pane does.
struct PaneAction {
  int32_t first;
  int32_t last;
  void (*act)(CCorvelOptions& options, int32_t number);
  Result result;
};

template <CorvelOptions pane>
void Defaults(CCorvelOptions& o, int32_t) {
  o.SetCorvelOptionsInUI(pane, DefaultOptions);
}
template <CorvelOptions pane>
void Constrain(CCorvelOptions& o, int32_t) {
  o.SetUIConstraints(pane);
}
// An Output choice may force Page values too: stapling turns collation on and face-up off.
void ConstrainOutputAndPage(CCorvelOptions& o, int32_t) {
  o.SetUIConstraints(Output_CorvelOptions);
  o.SetUIConstraints(Page_CorvelOptions);
}

constexpr PaneAction kFileActions[] = {
    {10, 16,
     [](CCorvelOptions& o, int32_t n) {
       o.SelectCorvelRadioButton(kFileSignature, n, 10, 16);
       o.SetUIConstraints(File_CorvelOptions);
     },
     Result::Handled},
    {17, 17, [](CCorvelOptions& o, int32_t) { o.DoSchedulePrint(); }, Result::NotHandled},
    {18, 18, Defaults<File_CorvelOptions>, Result::Handled},
};
constexpr PaneAction kExtrasActions[] = {
    {10, 10, Constrain<Extras_CorvelOptions>, Result::Handled},
    {12, 12, Constrain<Extras_CorvelOptions>, Result::Handled},
    {30, 30, Constrain<Extras_CorvelOptions>, Result::Handled},
    {24, 24, Defaults<Extras_CorvelOptions>, Result::Handled},
};
constexpr PaneAction kPageActions[] = {
    {18, 19, Constrain<Page_CorvelOptions>, Result::Handled},
    {32, 32, Constrain<Page_CorvelOptions>, Result::Handled},
    {28, 28, Defaults<Page_CorvelOptions>, Result::Handled},
};
constexpr PaneAction kOutputActions[] = {
    {10, 11, ConstrainOutputAndPage, Result::Handled},
    {14, 15, ConstrainOutputAndPage, Result::Handled},
    {17, 17, ConstrainOutputAndPage, Result::Handled},
    {23, 29, ConstrainOutputAndPage, Result::Handled},
    {19, 19, Defaults<Output_CorvelOptions>, Result::Handled},
    {20, 20, [](CCorvelOptions& o, int32_t) { o.SetOrientation(0); }, Result::NotHandled},
    {21, 21, [](CCorvelOptions& o, int32_t) { o.SetOrientation(1); }, Result::NotHandled},
};
constexpr PaneAction kQualityActions[] = {
    {7, 7, Defaults<Quality_CorvelOptions>, Result::Handled},
    {9, 9, Constrain<Quality_CorvelOptions>, Result::Handled},
};
constexpr PaneAction kInfoActions[] = {
    {15, 15, [](CCorvelOptions& o, int32_t) { o.DoSecurePrintPasswordDlg(); }, Result::Handled},
    {16, 16,
     [](CCorvelOptions& o, int32_t) {
       o.SetCorvelOptionsInUI(Info_CorvelOptions, DefaultOptions);
       SetKeyboardFocus(o.mPrintDlgWindow, o.GetCorvelControl(kInfoSignature, 10));
     },
     Result::Handled},
    {18, 18, [](CCorvelOptions& o, int32_t) { o.DoBiDiAddressDialog(); }, Result::NotHandled},
};
constexpr PaneAction kAccessoriesActions[] = {
    {1, 1, Defaults<Accessories_CorvelOptions>, Result::Handled},
    {5, 5,
     [](CCorvelOptions& o, int32_t) {
       o.DoBiDiAddressDialog();
       o.GrabIPAddressFromEntryField();
     },
     Result::Handled},
    {6, 6, [](CCorvelOptions& o, int32_t) { o.ToggleSynchServerOptions(); }, Result::NotHandled},
    {100, 102, [](CCorvelOptions& o, int32_t n) { o.ChangeInstalledOptions(int16_t(n)); },
     Result::NotHandled},
};

// Acts on a hit on one of the pane's controls, then redraws the pane; declines other panes'.
template <size_t N>
OSStatus HandlePaneHit(EventRef event, void* userData, OSType signature, int32_t container,
                       const PaneAction (&actions)[N]) {
  auto* options = static_cast<CCorvelOptions*>(userData);
  ControlID id;
  if (!options || GetControlID(GetEventControl(event), &id) != noErr || id.signature != signature)
    return eventNotHandledErr;
  OSStatus status = eventNotHandledErr;
  for (const PaneAction& action : actions)
    if (id.id >= action.first && id.id <= action.last) {
      action.act(*options, id.id);
      status = action.result == Result::Handled ? noErr : eventNotHandledErr;
      break;
    }
  Draw1Control(options->GetCorvelControl(kTabsSignature, container));
  return status;
}

using DrawMember = void (CCorvelOptions::*)(CGrafPtr);

OSStatus DrawThrough(EventRef event, void* userData, DrawMember draw) {
  auto* options = static_cast<CCorvelOptions*>(userData);
  if (!options) return eventNotHandledErr;
  (options->*draw)(GetEventGraphicsPort(event));
  return noErr;
}

}  // namespace

OSStatus FileOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kFileSignature, 129, kFileActions);
}
OSStatus PageOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kPageSignature, 130, kPageActions);
}
OSStatus OutputOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kOutputSignature, 131, kOutputActions);
}
OSStatus QualityOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kQualitySignature, 132, kQualityActions);
}
OSStatus ExtrasOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kExtrasSignature, 133, kExtrasActions);
}
OSStatus InfoOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kInfoSignature, 134, kInfoActions);
}
OSStatus AccessoriesOptionsControlHandler(EventRef event, void* userData) {
  return HandlePaneHit(event, userData, kAccessoriesSignature, 135, kAccessoriesActions);
}

OSStatus DrawStapleIconProc(EventRef event, void* userData) {
  return DrawThrough(event, userData, &CCorvelOptions::DrawStapleIcon);
}
OSStatus DrawPunchIconProc(EventRef event, void* userData) {
  return DrawThrough(event, userData, &CCorvelOptions::DrawPunchIcon);
}
OSStatus DrawFastenIconProc(EventRef event, void* userData) {
  return DrawThrough(event, userData, &CCorvelOptions::DrawFastenIcon);
}
OSStatus DrawFoldIconProc(EventRef event, void* userData) {
  return DrawThrough(event, userData, &CCorvelOptions::DrawFoldIcon);
}

OSStatus TabEventHandler(EventRef event, void*) {
  ControlRef tabs = GetEventControl(event);
  ControlID id;
  if (GetControlID(tabs, &id) != noErr || id.id != kTabControlNumber) return eventNotHandledErr;
  if (GetControl32BitValue(tabs) == lastTabIndex) return eventNotHandledErr;
  SelectItemOfTabControl(tabs);
  return noErr;
}

OSStatus DefaultButtonEventHandler(EventRef, void* userData) {
  auto* options = static_cast<CCorvelOptions*>(userData);
  if (!options || !options->IsSecureAccessOn()) return eventNotHandledErr;
  // A refused validation swallows the click: the dialog stays open and nothing prints. So do
  // accepted credentials whose comment file could not be written: the user has been told why.
  if (!options->DoSecureAccess()) return noErr;
  return options->JobCommentStatus() == noErr ? eventNotHandledErr : noErr;
}

void SelectItemOfTabControl(ControlRef tabControl) {
  const int32_t chosen = GetControl32BitValue(tabControl);
  lastTabIndex = int16_t(chosen);
  const WindowRef window = GetControlOwner(tabControl);
  auto container = [window](int32_t number) {
    const ControlID id{kTabsSignature, number};
    ControlRef control = nullptr;
    GetControlByID(window, &id, &control);
    return control;
  };
  for (int32_t tab = 1; tab <= kTabCount; ++tab) {
    if (tab == chosen) continue;
    ControlRef pane = container(kTabPaneContainers[tab - 1]);
    SetControlVisibility(pane, false, false);
    DisableControl(pane);
  }
  if (chosen >= 1 && chosen <= kTabCount) {
    const int32_t number = kTabPaneContainers[chosen - 1];
    ControlRef pane = container(number);
    EnableControl(pane);
    SetControlVisibility(pane, true, false);
    if (number == kInfoPaneContainer) {
      const ControlID owner{kInfoSignature, 10};
      ControlRef field = nullptr;
      if (GetControlByID(window, &owner, &field) == noErr) SetKeyboardFocus(window, field);
    }
  }
  DrawControls(window);
}

void InstallTabHandler(WindowRef window, CCorvelOptions* options) {
  ControlRef tabs = options->GetCorvelControl(window, kTabsSignature, kTabControlNumber);
  if (!tabs) return;
  const EventTypeSpec hit{kEventClassControl, kEventControlHit};
  InstallControlEventHandler(tabs, TabEventHandler, 1, &hit, options, nullptr);
  lastTabIndex = int16_t(GetControl32BitValue(tabs));
  SelectItemOfTabControl(tabs);
}

void InstallCorvelTabsControlHandlers(WindowRef window, CCorvelOptions* options) {
  const EventTypeSpec hit{kEventClassControl, kEventControlHit};
  if (ControlRef tabs = options->GetCorvelControl(window, kTabsSignature, kTabControlNumber))
    for (EventHandlerUPP handler :
         {FileOptionsControlHandler, PageOptionsControlHandler, OutputOptionsControlHandler,
          QualityOptionsControlHandler, ExtrasOptionsControlHandler, InfoOptionsControlHandler,
          AccessoriesOptionsControlHandler})
      InstallControlEventHandler(tabs, handler, 1, &hit, options, nullptr);
  const EventTypeSpec draw{kEventClassControl, kEventControlDraw};
  const std::pair<int32_t, EventHandlerUPP> views[] = {{12, DrawStapleIconProc},
                                                       {16, DrawPunchIconProc},
                                                       {18, DrawFastenIconProc},
                                                       {30, DrawFoldIconProc}};
  for (const auto& [number, proc] : views)
    if (ControlRef view = options->GetCorvelControl(window, kOutputSignature, number))
      InstallControlEventHandler(view, proc, 1, &draw, options, nullptr);
}
