#pragma once
// Events and their handlers. Handlers are installed on a control or a window and run from the
// innermost target outwards (a control, its containers, its window); on one target the handler
// installed last runs first. A handler answers noErr (the event stops) or eventNotHandledErr (the
// next handler, and finally the toolkit's default handling, sees it).
#include <cstdint>

#include "platform/toolkit/ToolkitTypes.h"

struct EventTypeSpec {
  uint32_t eventClass;
  uint32_t eventKind;
};

inline constexpr uint32_t kEventClassControl = FourCC("cntl");
inline constexpr uint32_t kEventControlHit =
    1;  // after tracking: the control's value is the new one
inline constexpr uint32_t kEventControlDraw = 4;  // draw into the event's context
inline constexpr uint32_t kEventClassCommand = FourCC("cmds");
inline constexpr uint32_t kEventCommandProcess = 1;

struct HICommand {
  uint32_t attributes = 0;
  uint32_t commandID = 0;
};

using EventHandlerUPP = OSStatus (*)(EventRef event, void* userData);

struct OpaqueEventHandlerRef;
using EventHandlerRef = OpaqueEventHandlerRef*;

OSStatus InstallControlEventHandler(ControlRef control, EventHandlerUPP handler, uint32_t typeCount,
                                    const EventTypeSpec* types, void* userData,
                                    EventHandlerRef* outRef);
OSStatus InstallWindowEventHandler(WindowRef window, EventHandlerUPP handler, uint32_t typeCount,
                                   const EventTypeSpec* types, void* userData,
                                   EventHandlerRef* outRef);
// Removes an installed handler; a handler whose target is gone, or an unknown one, gives paramErr.
OSStatus RemoveEventHandler(EventHandlerRef handler);

// What a handler can read from its event.
uint32_t GetEventClass(EventRef event);
uint32_t GetEventKind(EventRef event);
// The control the event is about: the hit or drawn control, or the control that sent a command
// (null for a command that no control sent).
ControlRef GetEventControl(EventRef event);
// The command of a command event; paramErr for other events.
OSStatus GetEventCommand(EventRef event, HICommand* command);
// The drawing context and port of a draw event (null for other events).
CGContextRef GetEventDrawingContext(EventRef event);
CGrafPtr GetEventGraphicsPort(EventRef event);

// Dispatch, used by the toolkit's own user actions and by code that sends events itself.
// Each returns noErr when a handler (or the default handling) handled the event.
OSStatus ProcessHICommand(WindowRef window, ControlRef sender, uint32_t commandID);
