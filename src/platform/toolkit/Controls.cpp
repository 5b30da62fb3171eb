// Control creation, disposal, embedding, lookup, geometry and keyboard focus.
#include "platform/toolkit/Controls.h"

#include <algorithm>

#include "platform/toolkit/ToolkitState.h"

namespace {

void ApplyKindDefaults(ToolkitControl& c) {
  switch (c.kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::BevelButton:
      c.maximum = 1;
      break;
    case ControlKind::PopupButton:
      c.menu = std::make_unique<ToolkitMenu>();
      c.menu->owner = &c;
      c.minimum = 1;
      c.value = 1;
      break;
    case ControlKind::TabControl:
      c.minimum = 1;
      c.value = 1;
      break;
    default:
      break;
  }
}

void SetWindowOfTree(ToolkitControl* root, ToolkitWindow* window) {
  ForEachControl(root, [window](ToolkitControl* c) { c->window = window; });
}

// A window forgets its references into a subtree that leaves it, and tells the observer.
void ForgetWindowReferencesInto(ToolkitWindow* window, const ToolkitControl* subtree) {
  if (!window) return;
  auto forget = [subtree](ToolkitControl*& ref) {
    const bool inside = ref && IsWithin(ref, subtree);
    if (inside) ref = nullptr;
    return inside;
  };
  if (forget(window->focus)) NotifyWindowChanged(window, WindowChange::FocusChanged);
  const bool defaultGone = forget(window->defaultButton);
  if (forget(window->cancelButton) || defaultGone)
    NotifyWindowChanged(window, WindowChange::DefaultButtonsChanged);
}

std::unique_ptr<ToolkitControl> Detach(ToolkitControl* control) {
  auto& siblings = control->parent->children;
  auto it = std::find_if(siblings.begin(), siblings.end(),
                         [control](const auto& c) { return c.get() == control; });
  std::unique_ptr<ToolkitControl> owned = std::move(*it);
  siblings.erase(it);
  owned->parent = nullptr;
  return owned;
}

bool CanTakeFocus(ControlKind kind) {
  return kind == ControlKind::EditText || kind == ControlKind::PasswordText ||
         kind == ControlKind::DataBrowser || kind == ControlKind::Clock;
}

void OffsetTree(ToolkitControl* root, int dx, int dy) {
  ForEachControl(root, [dx, dy](ToolkitControl* c) {
    c->bounds.left = int16_t(c->bounds.left + dx);
    c->bounds.right = int16_t(c->bounds.right + dx);
    c->bounds.top = int16_t(c->bounds.top + dy);
    c->bounds.bottom = int16_t(c->bounds.bottom + dy);
    NotifyControlChanged(c, ControlChange::Bounds);
  });
}

}  // namespace

bool IsWithin(const ToolkitControl* control, const ToolkitControl* ancestor) {
  for (const ToolkitControl* c = control; c; c = c->parent)
    if (c == ancestor) return true;
  return false;
}

std::unique_ptr<ToolkitControl> NewControl(ControlKind kind, const Rect& bounds) {
  auto control = std::make_unique<ToolkitControl>();
  control->kind = kind;
  control->bounds = bounds;
  ApplyKindDefaults(*control);
  return control;
}

void AttachControl(ToolkitControl* container, std::unique_ptr<ToolkitControl> child) {
  child->parent = container;
  SetWindowOfTree(child.get(), container->window);
  container->children.push_back(std::move(child));
}

OSStatus CreateControl(WindowRef windowRef, ControlKind kind, const Rect& bounds,
                       ControlRef* outControl) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !outControl || kind == ControlKind::RootControl) return paramErr;
  auto control = NewControl(kind, bounds);
  ToolkitControl* made = control.get();
  AttachControl(window->root.get(), std::move(control));
  ToolkitState::Get().AddControlTree(made);
  NotifyControlChanged(made, ControlChange::Created);
  *outControl = made->handle;
  return noErr;
}

void DisposeControl(ControlRef controlRef) {
  ToolkitControl* control = ResolveControl(controlRef);
  if (!control || !control->parent) return;  // the root goes with its window
  ForgetWindowReferencesInto(control->window, control);
  ForEachControl(control,
                 [](ToolkitControl* c) { NotifyControlChanged(c, ControlChange::Disposed); });
  ToolkitState::Get().ForgetControlTree(control);
  Detach(control);  // the returned owner frees the subtree here
}

OSStatus GetControlByID(WindowRef windowRef, const ControlID* id, ControlRef* outControl) {
  if (outControl) *outControl = nullptr;
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !id || !outControl) return paramErr;
  ToolkitControl* found = FindFirstControl(window->root.get(), [id](const ToolkitControl* c) {
    return c->kind != ControlKind::RootControl && c->id == *id;
  });
  *outControl = found ? found->handle : nullptr;
  return found ? noErr : errUnknownControl;
}

OSStatus GetControlID(ControlRef control, ControlID* id) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !id) return errUnknownControl;
  *id = c->id;
  return noErr;
}

OSStatus SetControlID(ControlRef control, const ControlID* id) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !id) return errUnknownControl;
  c->id = *id;
  return noErr;
}

ControlKind GetControlKind(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->kind : ControlKind::UserPane;
}

WindowRef GetControlOwner(ControlRef control) {
  ToolkitControl* c = ResolveControl(control);
  return c ? c->window->handle : nullptr;
}

bool IsValidControlHandle(ControlRef control) { return ResolveControl(control) != nullptr; }

OSStatus GetControlBounds(ControlRef control, Rect* bounds) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !bounds) return errUnknownControl;
  *bounds = c->bounds;
  return noErr;
}

OSStatus SetControlBounds(ControlRef control, const Rect& bounds) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  c->bounds = bounds;
  NotifyControlChanged(c, ControlChange::Bounds);
  return noErr;
}

OSStatus MoveControl(ControlRef control, int16_t left, int16_t top) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  OffsetTree(c, left - c->bounds.left, top - c->bounds.top);
  return noErr;
}

OSStatus SizeControl(ControlRef control, int16_t width, int16_t height) {
  ToolkitControl* c = ResolveControl(control);
  if (!c) return errUnknownControl;
  Rect r = c->bounds;
  r.right = int16_t(r.left + width);
  r.bottom = int16_t(r.top + height);
  return SetControlBounds(control, r);
}

OSStatus EmbedControl(ControlRef controlRef, ControlRef containerRef) {
  ToolkitControl* control = ResolveControl(controlRef);
  ToolkitControl* container = ResolveControl(containerRef);
  if (!control || !container) return errUnknownControl;
  if (!control->parent || IsWithin(container, control)) return paramErr;  // root, or a cycle
  if (control->parent == container) return noErr;
  if (control->window != container->window) ForgetWindowReferencesInto(control->window, control);
  AttachControl(container, Detach(control));
  NotifyControlChanged(control, ControlChange::Embedding);
  return noErr;
}

OSStatus GetRootControl(WindowRef windowRef, ControlRef* root) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !root) return errInvalidWindowRef;
  *root = window->root->handle;
  return noErr;
}

OSStatus GetSuperControl(ControlRef control, ControlRef* parent) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !parent) return errUnknownControl;
  *parent = c->parent ? c->parent->handle : nullptr;
  return c->parent ? noErr : errUnknownControl;
}

OSStatus CountSubControls(ControlRef control, uint16_t* count) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !count) return errUnknownControl;
  *count = uint16_t(c->children.size());
  return noErr;
}

OSStatus GetIndexedSubControl(ControlRef control, uint16_t index, ControlRef* child) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !child) return errUnknownControl;
  if (index < 1 || index > c->children.size()) return paramErr;
  *child = c->children[index - 1]->handle;
  return noErr;
}

OSStatus GetEnclosingTab(ControlRef control, ControlRef* tabs, uint16_t* tab) {
  ToolkitControl* c = ResolveControl(control);
  if (!c || !tabs || !tab) return errUnknownControl;
  for (; c->parent; c = c->parent) {
    if (c->parent->kind != ControlKind::TabControl) continue;
    const auto& panes = c->parent->children;
    const auto pane = std::find_if(panes.begin(), panes.end(),
                                   [c](const auto& child) { return child.get() == c; });
    *tabs = c->parent->handle;
    *tab = uint16_t(pane - panes.begin() + 1);
    return noErr;
  }
  return errUnknownControl;
}

OSStatus FocusControl(ToolkitWindow* window, ToolkitControl* control) {
  if (control->window != window) return errUnknownControl;
  if (!CanTakeFocus(control->kind)) return errCouldntSetFocus;
  window->focus = control;
  // A field that takes focus has all of its text selected.
  control->selectionStart = 0;
  control->selectionEnd = IsTextField(control) ? Utf8Length(control->text) : 0;
  NotifyWindowChanged(window, WindowChange::FocusChanged);
  return noErr;
}

OSStatus SetKeyboardFocus(WindowRef windowRef, ControlRef control) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window) return errInvalidWindowRef;
  ToolkitControl* c = ResolveControl(control);
  return c ? FocusControl(window, c) : errUnknownControl;
}

OSStatus GetKeyboardFocus(WindowRef windowRef, ControlRef* control) {
  ToolkitWindow* window = ResolveWindow(windowRef);
  if (!window || !control) return errInvalidWindowRef;
  *control = window->focus ? window->focus->handle : nullptr;
  return noErr;
}
