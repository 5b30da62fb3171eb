#pragma once
// The event handlers of the panes. The seven pane handlers sit on the tab control and see every
// control hit inside it: each acts on its own pane's controls and declines the others. The icon
// views draw through the controller; the tab control switches panes; the dialog's default button
// runs the Secure Access check before printing. Each handler's user data is the controller.
#include <cstdint>

#include "platform/toolkit/Events.h"
#include "platform/toolkit/ToolkitTypes.h"

class CCorvelOptions;

// The tab shown last (1-based, in tab order), shared by every dialog of the process.
extern int16_t lastTabIndex;

OSStatus FileOptionsControlHandler(EventRef event, void* userData);
OSStatus PageOptionsControlHandler(EventRef event, void* userData);
OSStatus OutputOptionsControlHandler(EventRef event, void* userData);
OSStatus QualityOptionsControlHandler(EventRef event, void* userData);
OSStatus ExtrasOptionsControlHandler(EventRef event, void* userData);
OSStatus InfoOptionsControlHandler(EventRef event, void* userData);
OSStatus AccessoriesOptionsControlHandler(EventRef event, void* userData);
OSStatus DrawStapleIconProc(EventRef event, void* userData);
OSStatus DrawPunchIconProc(EventRef event, void* userData);
OSStatus DrawFastenIconProc(EventRef event, void* userData);
OSStatus DrawFoldIconProc(EventRef event, void* userData);
OSStatus TabEventHandler(EventRef event, void* userData);
OSStatus DefaultButtonEventHandler(EventRef event, void* userData);

// The seven pane handlers on the tab control and the four draw handlers on the icon views.
void InstallCorvelTabsControlHandlers(WindowRef window, CCorvelOptions* options);
// Tab switching: the handler on the tab control, then the current tab's pane shown.
void InstallTabHandler(WindowRef window, CCorvelOptions* options);
// Shows the pane of the tab control's value and hides the others.
void SelectItemOfTabControl(ControlRef tabControl);
