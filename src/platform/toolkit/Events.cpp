// Handler installation and event dispatch along the containment chain.
#include "platform/toolkit/Events.h"

#include <algorithm>
#include <utility>

#include "platform/toolkit/ToolkitState.h"

struct ToolkitEvent {
  uint32_t eventClass = 0;
  uint32_t eventKind = 0;
  ControlRef control = nullptr;
  uint32_t command = 0;
  CGContextRef context = nullptr;
  CGrafPtr port = nullptr;
};

namespace {

EventHandlerRef ToRef(uint64_t serial) {
  return reinterpret_cast<EventHandlerRef>(static_cast<uintptr_t>(serial));
}

OSStatus Install(HandlerTarget target, EventHandlerUPP proc, uint32_t typeCount,
                 const EventTypeSpec* types, void* userData, EventHandlerRef* outRef) {
  if (!proc || (typeCount > 0 && !types)) return paramErr;
  const uint64_t serial = ToolkitState::Get().AddHandler(target);
  target.Handlers().push_back({serial, proc, userData, {types, types + typeCount}});
  if (outRef) *outRef = ToRef(serial);
  return noErr;
}

bool Accepts(const InstalledHandler& h, const ToolkitEvent& e) {
  return std::any_of(h.types.begin(), h.types.end(), [&](const EventTypeSpec& t) {
    return t.eventClass == e.eventClass && t.eventKind == e.eventKind;
  });
}

// Serials of the handlers that may see an event, in calling order: on each target the handler
// installed last first, then the next target outwards.
std::vector<uint64_t> ChainFor(const ToolkitControl* start, const ToolkitWindow* window,
                               bool outwards) {
  std::vector<uint64_t> chain;
  auto addTarget = [&chain](const std::vector<InstalledHandler>& handlers) {
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) chain.push_back(it->serial);
  };
  for (const ToolkitControl* c = start; c; c = outwards ? c->parent : nullptr)
    addTarget(c->handlers);
  if (outwards && window) addTarget(window->handlers);
  return chain;
}

// Calls the chain; handlers removed (or whose target was disposed) meanwhile are skipped.
OSStatus Dispatch(ToolkitEvent& event, const std::vector<uint64_t>& chain) {
  for (uint64_t serial : chain) {
    const HandlerTarget* target = ToolkitState::Get().FindHandler(serial);
    if (!target) continue;
    auto& handlers = target->Handlers();
    auto h = std::find_if(handlers.begin(), handlers.end(),
                          [serial](const InstalledHandler& x) { return x.serial == serial; });
    if (h == handlers.end() || !Accepts(*h, event)) continue;
    const InstalledHandler copy = *h;  // the handler may remove itself
    const OSStatus status = copy.proc(&event, copy.userData);
    if (status != eventNotHandledErr) return status;
  }
  return eventNotHandledErr;
}

OSStatus DispatchCommand(ToolkitWindow* window, ToolkitControl* sender, uint32_t commandID) {
  ToolkitEvent event{kEventClassCommand,
                     kEventCommandProcess,
                     sender ? sender->handle : nullptr,
                     commandID,
                     nullptr,
                     window->handle};
  return Dispatch(event, ChainFor(sender, window, true));
}

}  // namespace

OSStatus InstallControlEventHandler(ControlRef control, EventHandlerUPP handler, uint32_t typeCount,
                                    const EventTypeSpec* types, void* userData,
                                    EventHandlerRef* outRef) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  return Install({c, nullptr}, handler, typeCount, types, userData, outRef);
}

OSStatus InstallWindowEventHandler(WindowRef window, EventHandlerUPP handler, uint32_t typeCount,
                                   const EventTypeSpec* types, void* userData,
                                   EventHandlerRef* outRef) {
  ToolkitWindow* w = ResolveWindow(window);
  if (!w) return errInvalidWindowRef;
  return Install({nullptr, w}, handler, typeCount, types, userData, outRef);
}

OSStatus RemoveEventHandler(EventHandlerRef handler) {
  const uint64_t serial = reinterpret_cast<uintptr_t>(handler);
  const HandlerTarget* target = ToolkitState::Get().FindHandler(serial);
  if (!target) return paramErr;
  std::erase_if(target->Handlers(),
                [serial](const InstalledHandler& h) { return h.serial == serial; });
  ToolkitState::Get().ForgetHandler(serial);
  return noErr;
}

uint32_t GetEventClass(EventRef event) { return event ? event->eventClass : 0; }
uint32_t GetEventKind(EventRef event) { return event ? event->eventKind : 0; }
ControlRef GetEventControl(EventRef event) { return event ? event->control : nullptr; }

OSStatus GetEventCommand(EventRef event, HICommand* command) {
  if (!event || !command || event->eventClass != kEventClassCommand) return paramErr;
  *command = {0, event->command};
  return noErr;
}

CGContextRef GetEventDrawingContext(EventRef event) { return event ? event->context : nullptr; }
CGrafPtr GetEventGraphicsPort(EventRef event) { return event ? event->port : nullptr; }

OSStatus ProcessHICommand(WindowRef window, ControlRef sender, uint32_t commandID) {
  ToolkitControl* from = ResolveControl(sender);
  if (sender && !from) return errUnknownControl;
  ToolkitWindow* target = from ? from->window : ResolveWindow(window);
  if (!target) return errInvalidWindowRef;
  return DispatchCommand(target, from, commandID);
}

OSStatus DispatchControlHit(ToolkitControl* control) {
  const ControlRef handle = control->handle;
  ToolkitEvent event{kEventClassControl,     kEventControlHit, handle, 0, nullptr,
                     control->window->handle};
  const OSStatus status = Dispatch(event, ChainFor(control, control->window, true));
  // Not handled: the default handling sends the control's command, if it has one.
  control = ResolveControl(handle);  // handlers may have disposed of it
  if (status == eventNotHandledErr && control && control->command != 0)
    return DispatchCommand(control->window, control, control->command);
  return status;
}

void DispatchDrawEvent(ToolkitControl* control) {
  const ControlRef handle = control->handle;
  ToolkitWindow* window = control->window;
  if (window->clipEmpty) return;  // an empty clip region: nothing is drawn
  const WindowRef windowHandle = window->handle;
  CGContext context(RectWidth(window->contentBounds), RectHeight(window->contentBounds));
  CGContext* outer = std::exchange(window->drawingContext, &context);
  ToolkitEvent event{kEventClassControl, kEventControlDraw, handle, 0, &context, windowHandle};
  Dispatch(event, ChainFor(control, window, false));
  if (ToolkitWindow* still = ResolveWindow(windowHandle)) still->drawingContext = outer;
  if (ToolkitControl* drawn = ResolveControl(handle)) drawn->lastDrawing = context.Operations();
}
