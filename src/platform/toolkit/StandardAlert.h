#pragma once
// The platform's standard alert: a window with a message, an explanation and its buttons (OK,
// and optionally Cancel, a third button and a help button), run in an application-modal loop
// until one of its buttons is pressed. Return presses the default button and Escape the cancel
// button; headless, the modal driver presses one (see ModalLoop.h).
#include <cstdint>
#include <optional>
#include <string>

#include "platform/toolkit/ToolkitTypes.h"

// The kind of alert; it chooses the icon, which the model does not draw.
using AlertType = int16_t;
inline constexpr AlertType kAlertStopAlert = 0;
inline constexpr AlertType kAlertNoteAlert = 1;
inline constexpr AlertType kAlertCautionAlert = 2;
inline constexpr AlertType kAlertPlainAlert = 3;

// The buttons, as RunStandardAlert reports them; 0 is no button.
using DialogItemIndex = int16_t;
inline constexpr DialogItemIndex kAlertStdAlertOKButton = 1;
inline constexpr DialogItemIndex kAlertStdAlertCancelButton = 2;
inline constexpr DialogItemIndex kAlertStdAlertOtherButton = 3;
inline constexpr DialogItemIndex kAlertStdAlertHelpButton = 4;

inline constexpr const char* kAlertDefaultOKText = "OK";
inline constexpr const char* kAlertDefaultCancelText = "Cancel";

// Button ids in the alert's window: the message is alrt/1, the explanation alrt/2, the buttons
// "ok  "/0, "canc"/0, "othr"/0 and "help"/0.
struct AlertStdCFStringAlertParamRec {
  bool movable = false;
  bool helpButton = false;
  std::string defaultText = kAlertDefaultOKText;           // the OK button's title
  std::optional<std::string> cancelText;                   // nullopt: no Cancel button
  std::optional<std::string> otherText;                    // nullopt: no third button
  DialogItemIndex defaultButton = kAlertStdAlertOKButton;  // pressed by Return (0: none)
  DialogItemIndex cancelButton = 0;                        // pressed by Escape (0: none)
};

// A new hidden alert window (an alert, or a movable alert when asked); `params` null gives an
// OK button alone. paramErr for an unknown type; the caller passes the window to
// RunStandardAlert, or disposes of it.
OSStatus CreateStandardAlert(AlertType type, const std::string& message,
                             const std::optional<std::string>& explanation,
                             const AlertStdCFStringAlertParamRec* params, WindowRef* outAlert);
// Shows the alert, runs its modal loop until a button is pressed, and disposes of the alert in
// every case. `outItemHit` gets the button (0 when the loop ended unanswered, whose status is
// then returned).
OSStatus RunStandardAlert(WindowRef alert, DialogItemIndex* outItemHit);
