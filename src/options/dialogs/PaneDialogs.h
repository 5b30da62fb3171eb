#pragma once
// The dialogs the panes open (secure print, schedule, rendering-style help): the user data of
// their command handlers and the handlers. A dialog is a window from the interface file that
// exists only while its application-modal loop runs; its command handler ends the loop (see
// ModalDialog.h).
#include <cstdint>

#include "options/dialogs/CDateInfo.h"
#include "platform/FourCC.h"
#include "platform/toolkit/ModalDialog.h"

class CCorvelOptions;

struct SecurePrintData {
  CCorvelOptions* pCorvelOptions = nullptr;
  WindowRef securePrintWindow = nullptr;
};

struct SchedulePrintData {
  WindowRef window = nullptr;
  CCorvelOptions* corvelOptions = nullptr;
  int32_t lastSelectedDayButtonID = 0;  // the day button last clicked, 0 for none
  ControlRef lastControl = nullptr;
  CDateInfo printDateTime;  // the date and time being chosen
  CDateInfo displayDate;    // day 1 of the month the calendar shows
};

inline constexpr OSType kSecurePrintSignature = FourCC("secp");
inline constexpr OSType kScheduleSignature = FourCC("sked");
inline constexpr int32_t kFirstDayButton = 1;
inline constexpr int32_t kLastDayButton = 42;
inline constexpr int32_t kMonthTitleNumber = 200;
inline constexpr int32_t kClockNumber = 300;

// Command handlers; a command they do not know is not handled.
OSStatus NorimSecurePrintingEventHandler(EventRef event, void* securePrintData);
OSStatus NorimSecurePrintErrorDlgEventHandler(EventRef event, void* errorWindow);
OSStatus SchedulePrintingEventHandler(EventRef event, void* schedulePrintData);
OSStatus RenderingStyleHelpDlgEventHandler(EventRef event, void* window);
