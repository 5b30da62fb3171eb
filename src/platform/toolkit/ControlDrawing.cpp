// Redraw requests: counted on the control named, draw events to it and its shown contents.
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

namespace {

bool ContainersShown(ControlRef control) {
  for (ControlRef c = control; c; c = c->parent)
    if (!c->visible) return false;
  return true;
}

void DrawShownTree(ControlRef control) {
  if (!control->visible) return;
  DispatchDrawEvent(control);
  // Handlers may change the tree while drawing; walk a snapshot and skip what went away.
  std::vector<ControlRef> children;
  for (auto& child : control->children) children.push_back(child.get());
  for (ControlRef child : children)
    if (IsLiveControl(child) && child->parent == control) DrawShownTree(child);
}

}  // namespace

void Draw1Control(ControlRef control) {
  if (!IsLiveControl(control) || !control->window) return;
  ++control->redrawRequests;
  NotifyControlChanged(control, ControlChange::Redrawn);
  if (ContainersShown(control)) DrawShownTree(control);
}

OSStatus HIViewSetNeedsDisplay(ControlRef control, bool needsDisplay) {
  if (!IsLiveControl(control)) return errUnknownControl;
  if (needsDisplay) Draw1Control(control);
  return noErr;
}

void DrawControls(WindowRef window) {
  if (!IsLiveWindow(window)) return;
  ForEachControl(window->root.get(), [](ControlRef c) {
    ++c->redrawRequests;
    NotifyControlChanged(c, ControlChange::Redrawn);
  });
  DrawShownTree(window->root.get());
}

uint32_t GetControlRedrawCount(ControlRef control) {
  return IsLiveControl(control) ? control->redrawRequests : 0;
}

std::vector<DrawOperation> GetControlLastDrawing(ControlRef control) {
  return IsLiveControl(control) ? control->lastDrawing : std::vector<DrawOperation>{};
}
