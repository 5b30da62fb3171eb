#pragma once
// A one- or two-line alert from the interface file "AlertUI": shown as a dialog without a parent
// (or over a sheet), as a sheet over an ordinary window.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/toolkit/ToolkitOwners.h"
#include "ui/UI_DialogWait.h"

class UI_KTVAlert : public UI_DialogWait {
 public:
  // Style bits.
  static constexpr uint32_t kHideCancelButton = 0x1;
  static constexpr uint32_t kSmallFirstLine = 0x100;
  static constexpr uint32_t kSmallSecondLine = 0x200;
  // What TellUser answers when the alert could not be shown.
  static constexpr OSType kResultNotShown = FourCC("canc");

  using OptionalText = std::optional<std::string>;

  // Texts in the application's text encoding; without a message nothing is set up.
  UI_KTVAlert(const char* message, const char* reason, unsigned long style, WindowRef parentWindow);
  UI_KTVAlert(const OptionalText& message, const OptionalText& reason, unsigned long style,
              WindowRef parentWindow, const OptionalText& okTitle, const OptionalText& cancelTitle);
  ~UI_KTVAlert() override;

  // Shows the alert and waits: "ok  " or "not!", or "canc" when it could not be shown.
  static OSType TellUser(const char* message, const char* reason, unsigned long style,
                         WindowRef parent);
  static OSType TellUser(const OptionalText& message, const OptionalText& reason,
                         unsigned long style, WindowRef parent, const OptionalText& okTitle,
                         const OptionalText& cancelTitle);
  static OSType TellUser(const OptionalText& message, unsigned long style, WindowRef parent);
  static OSType TellUser(const OptionalText& message, unsigned long style, WindowRef parent,
                         const OptionalText& okTitle);

  bool isInited() const { return mIsInited; }

 protected:
  void initRefs(const OptionalText& okTitle, const OptionalText& cancelTitle);
  // Shows and waits when the window exists.
  OSType run();

  NibOwner mNibRef;
  WindowOwner mWindow;  // the alert's window; mWindowRef refers to it
  bool mIsInited = false;
  OptionalText mReasonMsg;
  OptionalText mAlertMsg;
  uint32_t mStyle = 0;
};
