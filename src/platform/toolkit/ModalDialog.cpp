#include "platform/toolkit/ModalDialog.h"

#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/Windows.h"

OSStatus RunModalDialog(WindowRef window, EventHandlerUPP handler, void* userData,
                        WindowRef sheetParent) {
  static const EventTypeSpec kCommandProcess{kEventClassCommand, kEventCommandProcess};
  EventHandlerRef installed = nullptr;
  OSStatus status =
      InstallWindowEventHandler(window, handler, 1, &kCommandProcess, userData, &installed);
  if (status != noErr) return status;
  if (!sheetParent || ShowSheetWindow(window, sheetParent) != noErr) {
    ShowWindow(window);
    SelectWindow(window);
  }
  status = RunAppModalLoopForWindow(window);
  RemoveEventHandler(installed);
  return status;
}

uint32_t CommandOf(EventRef event) {
  HICommand command;
  return GetEventCommand(event, &command) == noErr ? command.commandID : 0;
}
