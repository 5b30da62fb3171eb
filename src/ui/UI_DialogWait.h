#pragma once
// Base of the extension's own modal dialogs: shows a window as a window or as a sheet, runs an
// application-modal loop, and turns the OK and Cancel commands into virtual calls with input
// validation. Lives on the caller's stack for one modal run.
#include <cstdint>

#include "platform/toolkit/Events.h"
#include "platform/toolkit/ToolkitTypes.h"

class UI_DialogWait {
 public:
  static constexpr OSType kResultOK = FourCC("ok  ");
  static constexpr OSType kResultCancel = FourCC("not!");
  static constexpr OSType kOKButtonSignature = FourCC("ok  ");
  static constexpr OSType kCancelButtonSignature = FourCC("canc");

  explicit UI_DialogWait(WindowRef parentWindow);
  UI_DialogWait(const UI_DialogWait&) = delete;
  UI_DialogWait& operator=(const UI_DialogWait&) = delete;

  virtual ~UI_DialogWait();
  // 1 accepts OK, 0 keeps the dialog open, -1 turns OK into Cancel.
  virtual int validateInput();
  virtual void enableOK(bool enable);
  virtual void enableCancel(bool enable);
  virtual void onCancel();
  virtual void onOK();
  virtual void show();
  virtual void hide();

  OSStatus installEventHandler(WindowRef window);
  void removeEventHandler();
  // Runs the modal loop until onOK or onCancel ends it.
  OSStatus waitForUser();
  void setStandardButtonTitles();
  // Sets the parts of the control's font style that are not negative.
  void setFontInfo(ControlRef control, int16_t font, int16_t size, int16_t style);
  ControlRef getControlByID(OSType signature, int32_t number);

  OSType result() const { return mResult; }
  WindowRef window() const { return mWindowRef; }

  static OSStatus waitDialogHandler(EventRef event, void* userData);
  // A window of the sheet or sheet-alert class.
  static bool isSheet(WindowRef window);

 protected:
  void finish(OSType result);

  WindowRef mWindowRef = nullptr;  // owned by the derived class that creates the window
  OSType mResult = 0;
  WindowRef mParentWindowRef = nullptr;
  bool mNotDone = true;
  EventHandlerRef mWindowRefHandler = nullptr;
  EventHandlerUPP mWindowEventUPP = nullptr;
};
