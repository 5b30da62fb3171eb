// Control creation, disposal, embedding, lookup, geometry and keyboard focus.
#include "platform/toolkit/Controls.h"

#include <algorithm>

#include "platform/toolkit/ToolkitObjects.h"
#include "platform/toolkit/ToolkitObserver.h"

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

void SetWindowOfTree(ControlRef root, WindowRef window) {
  ForEachControl(root, [window](ControlRef c) { c->window = window; });
}

// A window forgets its references into a subtree that leaves it.
void ForgetWindowReferencesInto(WindowRef window, ControlRef subtree) {
  if (!window) return;
  for (ControlRef* ref : {&window->focus, &window->defaultButton, &window->cancelButton})
    if (*ref && IsWithin(*ref, subtree)) *ref = nullptr;
}

std::unique_ptr<ToolkitControl> Detach(ControlRef control) {
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

void OffsetTree(ControlRef root, int dx, int dy) {
  ForEachControl(root, [dx, dy](ControlRef c) {
    c->bounds.left = int16_t(c->bounds.left + dx);
    c->bounds.right = int16_t(c->bounds.right + dx);
    c->bounds.top = int16_t(c->bounds.top + dy);
    c->bounds.bottom = int16_t(c->bounds.bottom + dy);
    NotifyControlChanged(c, ControlChange::Bounds);
  });
}

}  // namespace

bool IsWithin(ControlRef control, ControlRef ancestor) {
  for (ControlRef c = control; c; c = c->parent)
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

void AttachControl(ControlRef container, std::unique_ptr<ToolkitControl> child) {
  child->parent = container;
  SetWindowOfTree(child.get(), container->window);
  container->children.push_back(std::move(child));
}

OSStatus CreateControl(WindowRef window, ControlKind kind, const Rect& bounds,
                       ControlRef* outControl) {
  if (!IsLiveWindow(window) || !outControl || kind == ControlKind::RootControl) return paramErr;
  auto control = NewControl(kind, bounds);
  ControlRef made = control.get();
  AttachControl(window->root.get(), std::move(control));
  RegisterControl(made);
  NotifyControlChanged(made, ControlChange::Created);
  *outControl = made;
  return noErr;
}

void DisposeControl(ControlRef control) {
  if (!IsLiveControl(control) || !control->parent) return;  // the root goes with its window
  ForgetWindowReferencesInto(control->window, control);
  ForEachControl(control, [](ControlRef c) {
    NotifyControlChanged(c, ControlChange::Disposed);
    ForgetInstalledHandlers(c->handlers);
  });
  ForgetControlTree(control);
  Detach(control);  // the returned owner frees the subtree here
}

OSStatus GetControlByID(WindowRef window, const ControlID* id, ControlRef* outControl) {
  if (outControl) *outControl = nullptr;
  if (!IsLiveWindow(window) || !id || !outControl) return paramErr;
  ControlRef found = nullptr;
  ForEachControl(window->root.get(), [&](ControlRef c) {
    if (!found && c->kind != ControlKind::RootControl && c->id == *id) found = c;
  });
  *outControl = found;
  return found ? noErr : errUnknownControl;
}

OSStatus GetControlID(ControlRef control, ControlID* id) {
  if (!IsLiveControl(control) || !id) return errUnknownControl;
  *id = control->id;
  return noErr;
}

OSStatus SetControlID(ControlRef control, const ControlID* id) {
  if (!IsLiveControl(control) || !id) return errUnknownControl;
  control->id = *id;
  return noErr;
}

ControlKind GetControlKind(ControlRef control) {
  return IsLiveControl(control) ? control->kind : ControlKind::UserPane;
}

WindowRef GetControlOwner(ControlRef control) {
  return IsLiveControl(control) ? control->window : nullptr;
}

bool IsValidControlHandle(ControlRef control) { return IsLiveControl(control); }

OSStatus GetControlBounds(ControlRef control, Rect* bounds) {
  if (!IsLiveControl(control) || !bounds) return errUnknownControl;
  *bounds = control->bounds;
  return noErr;
}

OSStatus SetControlBounds(ControlRef control, const Rect& bounds) {
  if (!IsLiveControl(control)) return errUnknownControl;
  control->bounds = bounds;
  NotifyControlChanged(control, ControlChange::Bounds);
  return noErr;
}

OSStatus MoveControl(ControlRef control, int16_t left, int16_t top) {
  if (!IsLiveControl(control)) return errUnknownControl;
  OffsetTree(control, left - control->bounds.left, top - control->bounds.top);
  return noErr;
}

OSStatus SizeControl(ControlRef control, int16_t width, int16_t height) {
  if (!IsLiveControl(control)) return errUnknownControl;
  Rect r = control->bounds;
  r.right = int16_t(r.left + width);
  r.bottom = int16_t(r.top + height);
  return SetControlBounds(control, r);
}

OSStatus EmbedControl(ControlRef control, ControlRef container) {
  if (!IsLiveControl(control) || !IsLiveControl(container)) return errUnknownControl;
  if (!control->parent || IsWithin(container, control)) return paramErr;  // root, or a cycle
  if (control->parent == container) return noErr;
  if (control->window != container->window) ForgetWindowReferencesInto(control->window, control);
  AttachControl(container, Detach(control));
  NotifyControlChanged(control, ControlChange::Embedding);
  return noErr;
}

OSStatus GetRootControl(WindowRef window, ControlRef* root) {
  if (!IsLiveWindow(window) || !root) return errInvalidWindowRef;
  *root = window->root.get();
  return noErr;
}

OSStatus GetSuperControl(ControlRef control, ControlRef* parent) {
  if (!IsLiveControl(control) || !parent) return errUnknownControl;
  *parent = control->parent;
  return control->parent ? noErr : errUnknownControl;
}

OSStatus CountSubControls(ControlRef control, uint16_t* count) {
  if (!IsLiveControl(control) || !count) return errUnknownControl;
  *count = uint16_t(control->children.size());
  return noErr;
}

OSStatus GetIndexedSubControl(ControlRef control, uint16_t index, ControlRef* child) {
  if (!IsLiveControl(control) || !child) return errUnknownControl;
  if (index < 1 || index > control->children.size()) return paramErr;
  *child = control->children[index - 1].get();
  return noErr;
}

OSStatus SetKeyboardFocus(WindowRef window, ControlRef control) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  if (!IsLiveControl(control) || control->window != window) return errUnknownControl;
  if (!CanTakeFocus(control->kind)) return errCouldntSetFocus;
  window->focus = control;
  // A field that takes focus has all of its text selected.
  control->selectionStart = 0;
  control->selectionEnd =
      control->kind == ControlKind::EditText || control->kind == ControlKind::PasswordText
          ? Utf8Length(control->text)
          : 0;
  NotifyWindowChanged(window, WindowChange::FocusChanged);
  return noErr;
}

OSStatus GetKeyboardFocus(WindowRef window, ControlRef* control) {
  if (!IsLiveWindow(window) || !control) return errInvalidWindowRef;
  *control = window->focus;
  return noErr;
}

OSStatus ClearKeyboardFocus(WindowRef window) {
  if (!IsLiveWindow(window)) return errInvalidWindowRef;
  window->focus = nullptr;
  NotifyWindowChanged(window, WindowChange::FocusChanged);
  return noErr;
}
