// The rendering-style help window, shown until its OK.
#include "options/CCorvelOptions.h"
#include "options/dialogs/PaneDialogs.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/ToolkitOwners.h"

void CCorvelOptions::DoRenderingStyleHelpDlg() {
  WindowRef window = nullptr;
  if (GetWindowFromNIB("RenderingTable", &window) != noErr) return;
  WindowOwner owner(window);
  RunModalDialog(window, RenderingStyleHelpDlgEventHandler, window);
}

OSStatus RenderingStyleHelpDlgEventHandler(EventRef event, void* userData) {
  if (CommandOf(event) != FourCC("rhOK")) return eventNotHandledErr;
  QuitAppModalLoopForWindow(static_cast<WindowRef>(userData));
  return noErr;
}
