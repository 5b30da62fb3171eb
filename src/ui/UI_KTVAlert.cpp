#include "ui/UI_KTVAlert.h"

#include "platform/TextEncoding.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/Windows.h"
#include "support/DebugLogFile.h"
#include "ui/PDEBundle.h"

namespace {

constexpr OSType kAlertSignature = FourCC("alrt");

// A C string in the application's encoding as text; null (or unconvertible) gives none.
std::optional<std::string> FromApplicationText(const char* text) {
  if (!text) return std::nullopt;
  return ToUTF8(text, GetApplicationTextEncoding());
}

}  // namespace

UI_KTVAlert::UI_KTVAlert(const char* message, const char* reason, unsigned long style,
                         WindowRef parentWindow)
    : UI_KTVAlert(FromApplicationText(message), FromApplicationText(reason), style, parentWindow,
                  std::nullopt, std::nullopt) {}

UI_KTVAlert::UI_KTVAlert(const OptionalText& message, const OptionalText& reason,
                         unsigned long style, WindowRef parentWindow, const OptionalText& okTitle,
                         const OptionalText& cancelTitle)
    : UI_DialogWait(parentWindow), mReasonMsg(reason), mAlertMsg(message), mStyle(uint32_t(style)) {
  if (mAlertMsg) initRefs(okTitle, cancelTitle);
}

// The window and the interface file go with their owners after the handler is removed.
UI_KTVAlert::~UI_KTVAlert() { removeEventHandler(); }

void UI_KTVAlert::initRefs(const OptionalText& okTitle, const OptionalText& cancelTitle) {
  IBNibRef nib = nullptr;
  if (!PDEBundle::mInit ||
      CreateNibReferenceWithCFBundle(PDEBundle::mBundle, "AlertUI", &nib) != noErr)
    return;
  mNibRef.reset(nib);
  const bool asDialog = !mParentWindowRef || isSheet(mParentWindowRef);
  gDebugLog.dprintf(asDialog ? "initRefs: IT'S A DIALOG" : "initRefs: IT'S A SHEET");
  std::string windowName = mReasonMsg ? "Two Line" : "One Line";
  if (!asDialog) windowName += " Sheet";
  if (CreateWindowFromNib(mNibRef.get(), windowName, &mWindowRef) != noErr) return;
  mWindow.reset(mWindowRef);

  installEventHandler(mWindowRef);
  setStandardButtonTitles();
  if (mStyle & kHideCancelButton)
    if (ControlRef cancel = getControlByID(kCancelButtonSignature, 0)) HideControl(cancel);
  if (okTitle)
    if (ControlRef ok = getControlByID(kOKButtonSignature, 0))
      SetControlTitleWithCFString(ok, *okTitle);
  if (cancelTitle)
    if (ControlRef cancel = getControlByID(kCancelButtonSignature, 0))
      SetControlTitleWithCFString(cancel, *cancelTitle);

  if (ControlRef first = getControlByID(kAlertSignature, 1)) {
    SetControlText(first, *mAlertMsg);
    if (mStyle & kSmallFirstLine) setFontInfo(first, -1, kSmallSystemFontSize, -1);
  }
  if (ControlRef second = getControlByID(kAlertSignature, 2); second && mReasonMsg) {
    SetControlText(second, *mReasonMsg);
    if (mStyle & kSmallSecondLine) setFontInfo(second, -1, kSmallSystemFontSize, -1);
  }
  mIsInited = true;
}

OSType UI_KTVAlert::run() {
  if (!mIsInited) return kResultNotShown;
  show();
  waitForUser();
  return mResult;
}

OSType UI_KTVAlert::TellUser(const char* message, const char* reason, unsigned long style,
                             WindowRef parent) {
  UI_KTVAlert alert(message, reason, style, parent);
  return alert.run();
}

OSType UI_KTVAlert::TellUser(const OptionalText& message, const OptionalText& reason,
                             unsigned long style, WindowRef parent, const OptionalText& okTitle,
                             const OptionalText& cancelTitle) {
  UI_KTVAlert alert(message, reason, style, parent, okTitle, cancelTitle);
  return alert.run();
}

OSType UI_KTVAlert::TellUser(const OptionalText& message, unsigned long style, WindowRef parent) {
  return TellUser(message, std::nullopt, style, parent, std::nullopt, std::nullopt);
}

OSType UI_KTVAlert::TellUser(const OptionalText& message, unsigned long style, WindowRef parent,
                             const OptionalText& okTitle) {
  return TellUser(message, std::nullopt, style, parent, okTitle, std::nullopt);
}
