#pragma once
// What a user's hand does, performed exactly as the toolkit delivers it. Tests and the on-screen
// view both act through these functions.
//
// A click first tracks the control, and tracking changes its value (a check box flips, a radio
// button becomes 1, a popup takes the chosen item, a tab control takes the clicked tab, a bevel
// button follows its behaviour). Then the control-hit event goes to the handlers, innermost
// first; when none handles it and the control has a command, the command is processed.
// A user reaches only what a desktop lets them reach: a hidden window takes no input, and while
// an application-modal loop runs only the loop's window and the sheets shown on it do.
// Each returns noErr when something handled the action, eventNotHandledErr when nothing did,
// errControlInactive when the control could not be clicked (disabled or hidden), or
// errWindowBlocked when its window takes no input.
#include <cstdint>
#include <string>

#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/ToolkitTypes.h"

OSStatus UserClickControl(ControlRef control);
// Chooses an item of a popup button's menu (disabled items cannot be chosen).
OSStatus UserChoosePopupItem(ControlRef popup, uint16_t item);
// Clicks a tab of a tab control (a disabled tab, or one beyond the maximum, cannot be clicked).
OSStatus UserClickTab(ControlRef tabs, uint16_t tab);

// One keystroke into the window. Return and Enter press the default button and Escape the
// cancel button, when the window has one; any other key goes to the field with keyboard focus,
// through its key filter; a character the field cannot hold is then refused with a beep, and a
// changed text runs its validation procedure.
OSStatus UserTypeKey(WindowRef window, int16_t charCode, EventModifiers modifiers = 0);
// Types each character of UTF-8 text.
OSStatus UserTypeText(WindowRef window, const std::string& text);
// Pastes text into the focused field, replacing the selection, filtered like typing: each
// character goes to the key filter as a key would (with the field as it was before the paste),
// and text with a character the field cannot hold (see FieldCanHold), a control character or a
// character the filter refuses is refused whole with a beep. The validation procedure runs
// afterwards (a paste longer than the room left is cut there).
OSStatus UserPaste(WindowRef window, const std::string& text);
// A command the user gives to a window (a menu item or its shortcut); the window's handlers see
// it as a command no control sent.
OSStatus UserSendCommand(WindowRef window, uint32_t commandID);

// Clicks a row of a list: it becomes the only selected row.
OSStatus UserSelectListRow(ControlRef list, DataBrowserItemID item);
// Sets a clock to a new date and time, as editing its fields does.
OSStatus UserSetClock(ControlRef clock, const LongDateRec& date);
