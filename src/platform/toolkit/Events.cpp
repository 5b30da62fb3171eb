// Handler installation and event dispatch along the containment chain.
#include "platform/toolkit/Events.h"

#include <algorithm>
#include <unordered_map>

#include "platform/toolkit/ToolkitObjects.h"

struct ToolkitEvent {
  uint32_t eventClass = 0;
  uint32_t eventKind = 0;
  ControlRef control = nullptr;
  uint32_t command = 0;
  CGContextRef context = nullptr;
  CGrafPtr port = nullptr;
};

namespace {

// Where each installed handler lives, by serial. A handler whose target went away is absent.
struct HandlerTarget {
  ControlRef control = nullptr;
  WindowRef window = nullptr;
  std::vector<InstalledHandler>& Handlers() const {
    return control ? control->handlers : window->handlers;
  }
};

std::unordered_map<uint64_t, HandlerTarget>& Registry() {
  static std::unordered_map<uint64_t, HandlerTarget> registry;
  return registry;
}

uint64_t gNextSerial = 1;

EventHandlerRef ToRef(uint64_t serial) {
  return reinterpret_cast<EventHandlerRef>(static_cast<uintptr_t>(serial));
}

OSStatus Install(HandlerTarget target, EventHandlerUPP proc, uint32_t typeCount,
                 const EventTypeSpec* types, void* userData, EventHandlerRef* outRef) {
  if (!proc || (typeCount > 0 && !types)) return paramErr;
  InstalledHandler handler{gNextSerial++, proc, userData, {types, types + typeCount}};
  target.Handlers().push_back(handler);
  Registry().emplace(handler.serial, target);
  if (outRef) *outRef = ToRef(handler.serial);
  return noErr;
}

bool Accepts(const InstalledHandler& h, const ToolkitEvent& e) {
  return std::any_of(h.types.begin(), h.types.end(), [&](const EventTypeSpec& t) {
    return t.eventClass == e.eventClass && t.eventKind == e.eventKind;
  });
}

// Serials of the handlers that may see an event, in calling order: on each target the handler
// installed last first, then the next target outwards.
std::vector<uint64_t> ChainFor(ControlRef start, WindowRef window, bool outwards) {
  std::vector<uint64_t> chain;
  auto addTarget = [&chain](const std::vector<InstalledHandler>& handlers) {
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) chain.push_back(it->serial);
  };
  for (ControlRef c = start; c; c = outwards ? c->parent : nullptr) addTarget(c->handlers);
  if (outwards && window) addTarget(window->handlers);
  return chain;
}

// Calls the chain; handlers removed (or whose target was disposed) meanwhile are skipped.
OSStatus Dispatch(ToolkitEvent& event, const std::vector<uint64_t>& chain) {
  for (uint64_t serial : chain) {
    auto found = Registry().find(serial);
    if (found == Registry().end()) continue;
    auto& handlers = found->second.Handlers();
    auto h = std::find_if(handlers.begin(), handlers.end(),
                          [serial](const InstalledHandler& x) { return x.serial == serial; });
    if (h == handlers.end() || !Accepts(*h, event)) continue;
    const InstalledHandler copy = *h;  // the handler may remove itself
    const OSStatus status = copy.proc(&event, copy.userData);
    if (status != eventNotHandledErr) return status;
  }
  return eventNotHandledErr;
}

}  // namespace

OSStatus InstallControlEventHandler(ControlRef control, EventHandlerUPP handler, uint32_t typeCount,
                                    const EventTypeSpec* types, void* userData,
                                    EventHandlerRef* outRef) {
  if (!IsLiveControl(control)) return errUnknownControl;
  return Install({control, nullptr}, handler, typeCount, types, userData, outRef);
}

OSStatus InstallWindowEventHandler(WindowRef window, EventHandlerUPP handler, uint32_t typeCount,
                                   const EventTypeSpec* types, void* userData,
                                   EventHandlerRef* outRef) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  return Install({nullptr, window}, handler, typeCount, types, userData, outRef);
}

OSStatus RemoveEventHandler(EventHandlerRef handler) {
  const uint64_t serial = reinterpret_cast<uintptr_t>(handler);
  auto found = Registry().find(serial);
  if (found == Registry().end()) return paramErr;
  auto& handlers = found->second.Handlers();
  handlers.erase(std::remove_if(handlers.begin(), handlers.end(),
                                [serial](const InstalledHandler& h) { return h.serial == serial; }),
                 handlers.end());
  Registry().erase(found);
  return noErr;
}

void ForgetInstalledHandlers(const std::vector<InstalledHandler>& handlers) {
  for (const InstalledHandler& h : handlers) Registry().erase(h.serial);
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
  if (sender && !IsLiveControl(sender)) return errUnknownControl;
  if (sender) window = sender->window;
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  ToolkitEvent event{kEventClassCommand, kEventCommandProcess, sender, commandID, nullptr, window};
  return Dispatch(event, ChainFor(sender, window, true));
}

OSStatus SendControlHitEvent(ControlRef control) {
  if (!IsLiveControl(control)) return errUnknownControl;
  ToolkitEvent event{kEventClassControl, kEventControlHit, control, 0, nullptr, control->window};
  const OSStatus status = Dispatch(event, ChainFor(control, control->window, true));
  // Not handled: the default handling sends the control's command, if it has one.
  if (status == eventNotHandledErr && IsLiveControl(control) && control->command != 0)
    return ProcessHICommand(control->window, control, control->command);
  return status;
}

void DispatchDrawEvent(ControlRef control) {
  WindowRef window = control->window;
  CGContext context(RectWidth(window->contentBounds), RectHeight(window->contentBounds));
  ToolkitEvent event{kEventClassControl, kEventControlDraw, control, 0, &context, window};
  Dispatch(event, ChainFor(control, window, false));
  if (IsLiveControl(control)) control->lastDrawing = context.Operations();
}
