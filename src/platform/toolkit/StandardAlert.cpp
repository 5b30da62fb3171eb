#include "platform/toolkit/StandardAlert.h"

#include "platform/FourCC.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalDialog.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "platform/toolkit/Windows.h"

namespace {

struct AlertButton {
  DialogItemIndex item;
  OSType signature;
  uint32_t command;
};

// The buttons from right to left, as they sit in the alert's bottom row.
constexpr AlertButton kAlertButtons[] = {
    {kAlertStdAlertOKButton, FourCC("ok  "), FourCC("ok  ")},
    {kAlertStdAlertCancelButton, FourCC("canc"), FourCC("not!")},
    {kAlertStdAlertOtherButton, FourCC("othr"), FourCC("othr")},
    {kAlertStdAlertHelpButton, FourCC("help"), FourCC("help")},
};

constexpr OSType kAlertTextSignature = FourCC("alrt");
constexpr Rect kAlertBounds{120, 200, 260, 640};
constexpr int16_t kAlertWidth = 440, kAlertHeight = 140;  // the texts end 8 px above the buttons
constexpr int16_t kButtonWidth = 80, kButtonHeight = 20, kMargin = 20, kButtonGap = 12;

std::optional<std::string> TitleOf(DialogItemIndex item, const AlertStdCFStringAlertParamRec& p) {
  switch (item) {
    case kAlertStdAlertOKButton:
      return p.defaultText;
    case kAlertStdAlertCancelButton:
      return p.cancelText;
    case kAlertStdAlertOtherButton:
      return p.otherText;
    default:
      return p.helpButton ? std::optional<std::string>("?") : std::nullopt;
  }
}

OSStatus AddControl(WindowRef window, ControlKind kind, const Rect& bounds, ControlID id,
                    ControlRef* control) {
  OSStatus status = CreateControl(window, kind, bounds, control);
  if (status == noErr) status = SetControlID(*control, &id);
  return status;
}

OSStatus AddText(WindowRef window, int32_t number, int16_t top, const std::string& text) {
  ControlRef control = nullptr;
  const Rect bounds{top, kMargin, int16_t(top + 32), int16_t(kAlertWidth - kMargin)};
  OSStatus status = AddControl(window, ControlKind::StaticText, bounds,
                               ControlID{kAlertTextSignature, number}, &control);
  return status == noErr ? SetControlText(control, text) : status;
}

OSStatus AddButtons(WindowRef window, const AlertStdCFStringAlertParamRec& params) {
  int16_t right = kAlertWidth - kMargin;
  for (const AlertButton& button : kAlertButtons) {
    const std::optional<std::string> title = TitleOf(button.item, params);
    if (!title) continue;
    const int16_t top = kAlertHeight - kMargin - kButtonHeight;
    const Rect bounds{top, int16_t(right - kButtonWidth), int16_t(top + kButtonHeight), right};
    right = int16_t(right - kButtonWidth - kButtonGap);
    ControlRef control = nullptr;
    OSStatus status = AddControl(window, ControlKind::PushButton, bounds,
                                 ControlID{button.signature, 0}, &control);
    if (status == noErr) status = SetControlTitleWithCFString(control, *title);
    if (status == noErr) status = SetControlCommandID(control, button.command);
    if (status == noErr && button.item == params.defaultButton)
      status = SetWindowDefaultButton(window, control);
    if (status == noErr && button.item == params.cancelButton)
      status = SetWindowCancelButton(window, control);
    if (status != noErr) return status;
  }
  return noErr;
}

struct AlertRun {
  WindowRef window;
  DialogItemIndex hit = 0;
};

OSStatus AlertCommandHandler(EventRef event, void* userData) {
  auto* run = static_cast<AlertRun*>(userData);
  const uint32_t command = CommandOf(event);
  for (const AlertButton& button : kAlertButtons) {
    if (button.command != command) continue;
    run->hit = button.item;
    QuitAppModalLoopForWindow(run->window);
    return noErr;
  }
  return eventNotHandledErr;
}

}  // namespace

OSStatus CreateStandardAlert(AlertType type, const std::string& message,
                             const std::optional<std::string>& explanation,
                             const AlertStdCFStringAlertParamRec* params, WindowRef* outAlert) {
  if (!outAlert || type < kAlertStopAlert || type > kAlertPlainAlert) return paramErr;
  const AlertStdCFStringAlertParamRec standard;
  const AlertStdCFStringAlertParamRec& chosen = params ? *params : standard;
  WindowRef window = nullptr;
  OSStatus status = CreateNewWindow(chosen.movable ? kMovableAlertWindowClass : kAlertWindowClass,
                                    kAlertBounds, &window);
  WindowOwner owner(window);
  if (status == noErr) status = AddText(window, 1, kMargin, message);
  if (status == noErr) status = AddText(window, 2, kMargin + 40, explanation.value_or(""));
  if (status == noErr) status = AddButtons(window, chosen);
  if (status == noErr) *outAlert = owner.release();
  return status;
}

OSStatus RunStandardAlert(WindowRef alert, DialogItemIndex* outItemHit) {
  WindowOwner owner(alert);
  AlertRun run{alert};
  const OSStatus status = RunModalDialog(alert, AlertCommandHandler, &run);
  if (outItemHit) *outItemHit = run.hit;
  return status;
}
