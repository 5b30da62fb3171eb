#pragma once
// The objects behind the toolkit's handles. Only the toolkit's own sources include this file;
// everyone else goes through the functions of the public headers. Objects refer to each other by
// address; what leaves the toolkit (to callers, handlers, callbacks, the observer) is a handle.
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/Events.h"
#include "platform/toolkit/GraphicsContext.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/TextFields.h"
#include "platform/toolkit/ToolkitTypes.h"

struct ToolkitWindow;
struct ToolkitControl;

struct MenuItemRecord {
  std::string text;
  bool enabled = true;
  bool checked = false;
  uint32_t command = 0;
};

struct ToolkitMenu {
  int16_t menuID = 0;
  std::string name;
  std::vector<MenuItemRecord> items;
  ToolkitControl* owner = nullptr;  // the popup button that owns the menu, if any
};

struct InstalledHandler {
  uint64_t serial = 0;
  EventHandlerUPP proc = nullptr;
  void* userData = nullptr;
  std::vector<EventTypeSpec> types;
};

struct TabRecord {
  std::string title;
  bool enabled = true;
};

struct ListColumn {
  DataBrowserPropertyID property = 0;
  std::string title;
  int16_t width = 0;
};

struct ToolkitControl {
  ControlRef handle = nullptr;  // given when the control joins the toolkit's state
  ControlKind kind = ControlKind::UserPane;
  ControlID id;
  ToolkitWindow* window = nullptr;
  ToolkitControl* parent = nullptr;
  std::vector<std::unique_ptr<ToolkitControl>> children;
  std::vector<InstalledHandler> handlers;

  Rect bounds;
  std::string title;
  std::string text;  // edit text, static text; the clear text of a password field
  int32_t value = 0;
  int32_t minimum = 0;
  int32_t maximum = 0;
  bool enabled = true;
  bool visible = true;
  int16_t fontID = 0;
  int16_t fontSize = kSystemFontSize;
  int16_t fontStyle = 0;
  uint32_t command = 0;
  BevelBehavior bevelBehavior = BevelBehavior::Momentary;
  void* reference = nullptr;
  std::string name;  // the control's name in its interface file, for diagnostics

  // Text fields: selection in characters, filters.
  int32_t selectionStart = 0;
  int32_t selectionEnd = 0;
  ControlKeyFilterUPP keyFilter = nullptr;
  ControlEditTextValidationUPP validationProc = nullptr;

  std::unique_ptr<ToolkitMenu> menu;  // popup button
  std::vector<TabRecord> tabs;        // tab control
  CGImageRef image;                   // image view
  LongDateRec clock;                  // clock

  // List.
  std::vector<ListColumn> columns;
  std::vector<DataBrowserItemID> rows;
  std::vector<DataBrowserItemID> selection;
  DataBrowserCallbacks callbacks;

  uint32_t redrawRequests = 0;
  std::vector<DrawOperation> lastDrawing;
};

struct ToolkitWindow {
  WindowRef handle = nullptr;  // given when the window joins the toolkit's state
  std::string name;            // the window's name in its interface file
  WindowClass windowClass = kDocumentWindowClass;
  std::string title;
  Rect contentBounds;  // global coordinates
  bool visible = false;
  std::unique_ptr<ToolkitControl> root;
  std::vector<InstalledHandler> handlers;
  ToolkitControl* focus = nullptr;
  ToolkitControl* defaultButton = nullptr;
  ToolkitControl* cancelButton = nullptr;
  ToolkitWindow* sheetParent = nullptr;  // set while shown as a sheet
  uint64_t frontOrder = 0;               // larger is nearer the front
  bool clipEmpty = false;                // while set, draw events paint nothing
  CGContext* drawingContext = nullptr;   // the context of the draw event in progress
};

// Creates a window of a class with an empty root control, not yet known to the toolkit.
std::unique_ptr<ToolkitWindow> NewWindow(WindowClass windowClass, const Rect& contentBounds);
// Hands a new window (with its controls) to the toolkit's state and announces it and each of
// its controls to the observer; returns its handle.
WindowRef AddNewWindow(std::unique_ptr<ToolkitWindow> window);
// Creates a control of a kind with that kind's defaults, not yet embedded anywhere.
std::unique_ptr<ToolkitControl> NewControl(ControlKind kind, const Rect& bounds);
// Attaches a detached control as the last child of a container.
void AttachControl(ToolkitControl* container, std::unique_ptr<ToolkitControl> child);

// Every control of a tree, the root first, depth first in document order.
template <typename Visit>
void ForEachControl(ToolkitControl* root, Visit&& visit) {
  visit(root);
  for (auto& child : root->children) ForEachControl(child.get(), visit);
}
// The first control of the subtree in the order ForEachControl visits them for which `match`
// is true; null when there is none. The walk stops there.
template <typename Match>
ToolkitControl* FindFirstControl(ToolkitControl* root, Match&& match) {
  if (match(root)) return root;
  for (auto& child : root->children)
    if (ToolkitControl* found = FindFirstControl(child.get(), match)) return found;
  return nullptr;
}

// Sends a draw event to one control and keeps what its handlers painted.
void DispatchDrawEvent(ToolkitControl* control);
// Sends the control-hit event (and, when no handler took it, the control's command).
OSStatus DispatchControlHit(ToolkitControl* control);
// True when the control lies in the subtree of ancestor (or is it).
bool IsWithin(const ToolkitControl* control, const ToolkitControl* ancestor);
// Enabled and shown, with every container enabled and shown too.
bool IsActive(const ToolkitControl* control);
// Keyboard focus moves to the control (a field has all of its text selected).
// errUnknownControl when the control is not in that window, errCouldntSetFocus when its kind
// cannot take the focus.
OSStatus FocusControl(ToolkitWindow* window, ToolkitControl* control);
// Changes the value within the control's range, telling the observer when it changed.
void ChangeValue(ToolkitControl* control, int32_t value);

// Field editing behind keystrokes and pasting. Each returns true when the text changed.
bool ReplaceFieldSelection(ToolkitControl* field, const std::string& insert);
bool ApplyEditingKey(ToolkitControl* field, int16_t charCode);
// The character a key types into a field (UTF-8); empty for keys that type nothing.
std::string TypedCharacter(int16_t charCode);
// An edit or password field (null is none).
bool IsTextField(const ToolkitControl* control);
