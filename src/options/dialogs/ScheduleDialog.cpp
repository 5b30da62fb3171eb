// The schedule dialog of the File pane: a month calendar of day buttons (six rows of seven,
// Sunday first) and a clock for the time of day. The chosen time goes into the record's
// printTime; a time more than a minute in the past is asked about first.
#include <cstdio>
#include <string>

#include "options/CCorvelOptions.h"
#include "options/dialogs/PaneDialogs.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/StandardAlert.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "ui/PDEBundle.h"

namespace {

// How far in the past a time may lie and still be taken without asking.
constexpr uint32_t kPastTimeGraceSeconds = 60;

// The first day button of the shown month and the month's length.
struct CalendarLayout {
  int32_t first;
  int32_t length;
};

CalendarLayout LayoutOf(CDateInfo& displayDate) {
  return {displayDate.GetFirstWeekdayOfMonth(), displayDate.GetLengthOfMonth()};
}

bool SameMonth(CDateInfo& a, CDateInfo& b) {
  return a.Year() == b.Year() && a.Month() == b.Month();
}

void ShowDayButton(ControlRef button, int32_t day, bool chosen) {
  SetControl32BitValue(button, 0);
  if (day < 1) {
    SetControlTitleWithCFString(button, "");
    DisableControl(button);
    return;
  }
  SetControlTitleWithCFString(button, std::to_string(day));
  EnableControl(button);
  if (chosen) SetControl32BitValue(button, 1);
}

void ShowClock(ControlRef clock, CDateInfo& date) {
  if (clock)
    SetClockDateTime(
        clock, LongDateRec{date.Year(), date.Month(), date.Day(), date.Hour(), date.Minute(), 0});
}

OSStatus CaptureAndStep(SchedulePrintData& data, void (CDateInfo::*step)()) {
  CCorvelOptions& options = *data.corvelOptions;
  options.CaptureTimeDialogState(data.window, &data.displayDate, &data.printDateTime);
  (data.displayDate.*step)();
  options.DateTimeToCalendarDisplay(data.window, &data.displayDate, &data.printDateTime);
  return eventNotHandledErr;
}

OSStatus NextMonth(SchedulePrintData& data, EventRef) {
  return CaptureAndStep(data, &CDateInfo::PlusMonth);
}

OSStatus PreviousMonth(SchedulePrintData& data, EventRef) {
  return CaptureAndStep(data, &CDateInfo::MinusMonth);
}

// At most one day is chosen: the one just clicked. The clock then shows the date OK would take.
OSStatus DayClicked(SchedulePrintData& data, EventRef event) {
  CCorvelOptions& options = *data.corvelOptions;
  ControlRef clicked = GetEventControl(event);
  for (int32_t number = kFirstDayButton; number <= kLastDayButton; ++number) {
    ControlRef button = options.GetCorvelControl(data.window, kScheduleSignature, number);
    if (button && button != clicked) SetControl32BitValue(button, 0);
  }
  ControlID id;
  data.lastSelectedDayButtonID = GetControlID(clicked, &id) == noErr ? id.id : 0;
  data.lastControl = clicked;
  options.CaptureTimeDialogState(data.window, &data.displayDate, &data.printDateTime);
  ShowClock(options.GetCorvelControl(data.window, kScheduleSignature, kClockNumber),
            data.printDateTime);
  return eventNotHandledErr;
}

OSStatus Cancel(SchedulePrintData& data, EventRef) {
  QuitAppModalLoopForWindow(data.window);
  return noErr;
}

OSStatus Accept(SchedulePrintData& data, EventRef) {
  CCorvelOptions& options = *data.corvelOptions;
  options.CaptureTimeDialogState(data.window, &data.displayDate, &data.printDateTime);
  const uint32_t chosen = data.printDateTime.DateAsSeconds();
  if (chosen >= CDateInfo().DateAsSeconds() - kPastTimeGraceSeconds ||
      options.DoPastTimeDialog(data.window)) {
    options.SetPrintTime(chosen);
    QuitAppModalLoopForWindow(data.window);
  }
  return noErr;
}

struct ScheduleCommand {
  uint32_t command;
  OSStatus (*action)(SchedulePrintData&, EventRef);
};

constexpr ScheduleCommand kScheduleCommands[] = {
    {FourCC("skNx"), NextMonth}, {FourCC("skPv"), PreviousMonth}, {FourCC("skDy"), DayClicked},
    {FourCC("skCL"), Cancel},    {FourCC("skOK"), Accept},
};

// Day 1 of the date's month, at midnight.
CDateInfo FirstOfMonth(CDateInfo date) {
  DateTimeRec first;
  first.year = date.Year();
  first.month = date.Month();
  first.day = 1;
  return CDateInfo(&first);
}

}  // namespace

bool CCorvelOptions::DoSchedulePrint() {
  WindowRef window = nullptr;
  if (GetWindowFromNIB("SchedulePrintDlg", &window) != noErr) return true;
  WindowOwner owner(window);
  // Without a stored time the calendar opens on the current month, at midnight of its first day.
  const uint32_t stored = mCorvelOptionsData.printTime;
  const CDateInfo start = stored ? CDateInfo(stored) : CDateInfo();
  SchedulePrintData data{window, this, 0, nullptr, start, stored ? start : FirstOfMonth(start)};
  data.displayDate.SetDay(1);
  DateTimeToCalendarDisplay(window, &data.displayDate, &data.printDateTime);
  RunModalDialog(window, SchedulePrintingEventHandler, &data);
  return true;
}

void CCorvelOptions::DateTimeToCalendarDisplay(WindowRef window, CDateInfo* displayDate,
                                               CDateInfo* printDateTime) {
  if (!displayDate || !printDateTime) return;
  if (ControlRef title = GetCorvelControl(window, kScheduleSignature, kMonthTitleNumber)) {
    char text[300];
    std::snprintf(text, sizeof text, "%s %d", displayDate->GetMonthName().c_str(),
                  int(displayDate->Year()));
    SetControlText(title, text);
  }
  const CalendarLayout month = LayoutOf(*displayDate);
  const bool showChosen = SameMonth(*displayDate, *printDateTime);
  const int32_t chosenButton = printDateTime->Day() + month.first - 1;
  for (int32_t number = kFirstDayButton; number <= kLastDayButton; ++number) {
    const int32_t day = number - month.first + 1;
    if (ControlRef button = GetCorvelControl(window, kScheduleSignature, number))
      ShowDayButton(button, day <= month.length ? day : 0, showChosen && number == chosenButton);
  }
  ShowClock(GetCorvelControl(window, kScheduleSignature, kClockNumber), *printDateTime);
}

void CCorvelOptions::CaptureTimeDialogState(WindowRef window, CDateInfo* displayDate,
                                            CDateInfo* printDateTime) {
  if (!displayDate || !printDateTime) return;
  LongDateRec time;
  ControlRef clock = GetCorvelControl(window, kScheduleSignature, kClockNumber);
  if (clock && GetClockDateTime(clock, &time) == noErr) {
    printDateTime->SetHour(time.hour);
    printDateTime->SetMinute(time.minute);
  }
  const CalendarLayout month = LayoutOf(*displayDate);
  for (int32_t number = month.first; number < month.first + month.length; ++number) {
    ControlRef button = GetCorvelControl(window, kScheduleSignature, number);
    if (!button || GetControl32BitValue(button) <= 0) continue;
    printDateTime->SetYear(displayDate->Year());
    printDateTime->SetMonth(displayDate->Month());
    printDateTime->SetDay(int16_t(number - month.first + 1));
  }
}

void CCorvelOptions::SetPrintTime(uint32_t seconds) { mCorvelOptionsData.printTime = seconds; }

bool CCorvelOptions::DoPastTimeDialog(WindowRef) {
  AlertStdCFStringAlertParamRec params;
  params.movable = false;
  params.helpButton = false;
  params.cancelText = kAlertDefaultCancelText;
  params.defaultButton = kAlertStdAlertOKButton;
  params.cancelButton = kAlertStdAlertCancelButton;
  const std::string message = PDEBundle::GetLocalizedCFString("PastPrintTime").value_or("");
  WindowRef alert = nullptr;
  if (CreateStandardAlert(kAlertCautionAlert, message, "", &params, &alert) != noErr) return false;
  DialogItemIndex hit = 0;
  RunStandardAlert(alert, &hit);
  return hit == kAlertStdAlertOKButton;
}

OSStatus SchedulePrintingEventHandler(EventRef event, void* userData) {
  auto* data = static_cast<SchedulePrintData*>(userData);
  const uint32_t command = CommandOf(event);
  for (const ScheduleCommand& entry : kScheduleCommands)
    if (entry.command == command) return entry.action(*data, event);
  return eventNotHandledErr;
}
