#pragma once
// The objects behind the toolkit's handles. Only the toolkit's own sources include this file;
// everyone else goes through the functions of the public headers.
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
  ControlRef owner = nullptr;  // the popup button that owns the menu, if any
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
  std::string name;  // the window's name in its interface file
  WindowClass windowClass = kDocumentWindowClass;
  std::string title;
  Rect contentBounds;  // global coordinates
  bool visible = false;
  std::unique_ptr<ToolkitControl> root;
  std::vector<InstalledHandler> handlers;
  ControlRef focus = nullptr;
  ControlRef defaultButton = nullptr;
  ControlRef cancelButton = nullptr;
  WindowRef sheetParent = nullptr;  // set while shown as a sheet
  uint64_t frontOrder = 0;          // larger is nearer the front
};

// Liveness registry: handles given out by the toolkit are checked before use, so a stale or
// foreign handle yields a status instead of a crash.
bool IsLiveControl(ControlRef control);
bool IsLiveWindow(WindowRef window);
void RegisterControl(ControlRef control);
void ForgetControlTree(ControlRef control);
void RegisterWindow(WindowRef window);
void ForgetWindow(WindowRef window);

// Creates a control of a kind with that kind's defaults, not yet embedded anywhere.
std::unique_ptr<ToolkitControl> NewControl(ControlKind kind, const Rect& bounds);
// Attaches a detached control as the last child of a container.
void AttachControl(ControlRef container, std::unique_ptr<ToolkitControl> child);

// Every control of a tree, the root first, depth first in document order.
template <typename Visit>
void ForEachControl(ControlRef root, Visit&& visit) {
  visit(root);
  for (auto& child : root->children) ForEachControl(child.get(), visit);
}

// Forgets the handlers of a target that goes away, so that their references become stale.
void ForgetInstalledHandlers(const std::vector<InstalledHandler>& handlers);
// Sends a draw event to one control and keeps what its handlers painted.
void DispatchDrawEvent(ControlRef control);
// True when the control lies in the subtree of ancestor (or is it).
bool IsWithin(ControlRef control, ControlRef ancestor);

// Field editing behind keystrokes and pasting. Each returns true when the text changed.
bool ReplaceFieldSelection(ControlRef field, const std::string& insert);
bool ApplyEditingKey(ControlRef field, int16_t charCode);
bool IsTextField(ControlRef control);
