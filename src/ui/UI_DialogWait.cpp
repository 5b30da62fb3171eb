#include "ui/UI_DialogWait.h"

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/Windows.h"
#include "ui/ControlUtils.h"
#include "ui/DialogStrings.h"

UI_DialogWait::UI_DialogWait(WindowRef parentWindow) : mParentWindowRef(parentWindow) {}

UI_DialogWait::~UI_DialogWait() { removeEventHandler(); }

int UI_DialogWait::validateInput() { return 1; }

void UI_DialogWait::enableOK(bool) {
  if (ControlRef ok = getControlByID(kOKButtonSignature, 0)) EnableControl(ok);
}

void UI_DialogWait::enableCancel(bool) {
  if (ControlRef cancel = getControlByID(kCancelButtonSignature, 0)) EnableControl(cancel);
}

void UI_DialogWait::finish(OSType result) {
  hide();
  mNotDone = false;
  mResult = result;
  QuitAppModalLoopForWindow(mWindowRef);
}

void UI_DialogWait::onCancel() { finish(kResultCancel); }
void UI_DialogWait::onOK() { finish(kResultOK); }

void UI_DialogWait::show() {
  // A sheet needs a parent to hang from; without one it is shown as a window.
  if (isSheet(mWindowRef) && ShowSheetWindow(mWindowRef, mParentWindowRef) == noErr) return;
  SelectWindow(mWindowRef);
  ShowWindow(mWindowRef);
}

void UI_DialogWait::hide() {
  if (GetSheetWindowParent(mWindowRef, nullptr) == noErr)
    HideSheetWindow(mWindowRef);
  else
    HideWindow(mWindowRef);
}

OSStatus UI_DialogWait::installEventHandler(WindowRef window) {
  if (mWindowRefHandler) return noErr;  // once
  static const EventTypeSpec kCommandProcess{kEventClassCommand, kEventCommandProcess};
  mWindowEventUPP = waitDialogHandler;
  return InstallWindowEventHandler(window, mWindowEventUPP, 1, &kCommandProcess, this,
                                   &mWindowRefHandler);
}

void UI_DialogWait::removeEventHandler() {
  if (!mWindowRefHandler) return;
  RemoveEventHandler(mWindowRefHandler);
  mWindowRefHandler = nullptr;
  mWindowEventUPP = nullptr;
}

OSStatus UI_DialogWait::waitForUser() {
  const OSStatus status = RunAppModalLoopForWindow(mWindowRef);
  // A loop that ended without an answer must not leave the dialog half open: it is cancelled.
  if (mNotDone) onCancel();
  return status;
}

void UI_DialogWait::setStandardButtonTitles() {
  if (ControlRef ok = getControlByID(kOKButtonSignature, 0)) {
    if (auto title = DialogStrings::GetDialogString("OK")) SetControlTitleWithCFString(ok, *title);
    ControlUtils::SizeControl(ok, mWindowRef, true);
  }
  if (ControlRef cancel = getControlByID(kCancelButtonSignature, 0)) {
    if (auto title = DialogStrings::GetDialogString("Cancel"))
      SetControlTitleWithCFString(cancel, *title);
    ControlUtils::SizeControl(cancel, mWindowRef, false);
  }
}

void UI_DialogWait::setFontInfo(ControlRef control, int16_t font, int16_t size, int16_t style) {
  ControlFontStyleRec rec;
  rec.font = font;
  rec.size = size;
  rec.style = style;
  SetControlFontStyle(control, rec);
}

ControlRef UI_DialogWait::getControlByID(OSType signature, int32_t number) {
  const ControlID id{signature, number};
  ControlRef control = nullptr;
  GetControlByID(mWindowRef, &id, &control);
  return control;
}

OSStatus UI_DialogWait::waitDialogHandler(EventRef event, void* userData) {
  auto* dialog = static_cast<UI_DialogWait*>(userData);
  HICommand command;
  if (!dialog || GetEventKind(event) != kEventCommandProcess ||
      GetEventCommand(event, &command) != noErr)
    return eventNotHandledErr;
  if (command.commandID == kResultCancel) {
    dialog->onCancel();
    return noErr;
  }
  if (command.commandID == kResultOK) {
    const int verdict = dialog->validateInput();
    if (verdict == 1) dialog->onOK();
    if (verdict == -1) dialog->onCancel();
    return noErr;
  }
  return eventNotHandledErr;
}

bool UI_DialogWait::isSheet(WindowRef window) {
  WindowClass windowClass = 0;
  if (GetWindowClass(window, &windowClass) != noErr) return false;
  return windowClass == kSheetWindowClass || windowClass == kSheetAlertWindowClass;
}
