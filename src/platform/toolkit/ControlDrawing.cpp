// Redraw requests: counted on the control named, draw events to it and its shown contents.
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ToolkitState.h"

namespace {

bool ContainersShown(const ToolkitControl* control) {
  for (const ToolkitControl* c = control; c; c = c->parent)
    if (!c->visible) return false;
  return true;
}

void DrawShownTree(ToolkitControl* control) {
  if (!control->visible) return;
  DispatchDrawEvent(control);
  // Handlers may change the tree while drawing; walk a snapshot of handles and skip what went
  // away or moved elsewhere.
  const ControlRef self = control->handle;
  std::vector<ControlRef> children;
  for (auto& child : control->children) children.push_back(child->handle);
  for (ControlRef handle : children) {
    ToolkitControl* child = ResolveControl(handle);
    if (child && ResolveControl(self) == control && child->parent == control) DrawShownTree(child);
  }
}

void CountRedraw(ToolkitControl* control) {
  ++control->redrawRequests;
  NotifyControlChanged(control, ControlChange::Redrawn);
}

}  // namespace

void Draw1Control(ControlRef controlRef) {
  ToolkitControl* control = ResolveControl(controlRef);
  if (!control) return;
  CountRedraw(control);
  if (ContainersShown(control)) DrawShownTree(control);
}

void DrawControls(WindowRef windowRef) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return;
  ForEachControl(window->root.get(), CountRedraw);
  DrawShownTree(window->root.get());
}

uint32_t GetControlRedrawCount(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->redrawRequests : 0;
}

std::vector<DrawOperation> GetControlLastDrawing(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->lastDrawing : std::vector<DrawOperation>{};
}
