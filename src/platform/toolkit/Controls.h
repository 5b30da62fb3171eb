#pragma once
// Controls: identity, kind, value range, title and text, states, bounds, font, embedding, focus,
// redrawing, and the data of popup buttons, tab controls, image views and clocks.
// A control belongs to the window whose tree holds it; the window disposes of it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/toolkit/GraphicsContext.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/ToolkitTypes.h"

// Creation (for windows built in code, such as the host's own dialog). The control is embedded
// in the window's root control; its bounds are window coordinates.
OSStatus CreateControl(WindowRef window, ControlKind kind, const Rect& bounds,
                       ControlRef* outControl);
// Disposes of a control and everything embedded in it.
void DisposeControl(ControlRef control);

// Lookup: the first control of the window (depth first, document order) with that ID.
OSStatus GetControlByID(WindowRef window, const ControlID* id, ControlRef* outControl);
OSStatus GetControlID(ControlRef control, ControlID* id);
OSStatus SetControlID(ControlRef control, const ControlID* id);
ControlKind GetControlKind(ControlRef control);
WindowRef GetControlOwner(ControlRef control);
bool IsValidControlHandle(ControlRef control);

// Values. Setting a value keeps it within minimum and maximum.
int32_t GetControl32BitValue(ControlRef control);
void SetControl32BitValue(ControlRef control, int32_t value);
int32_t GetControl32BitMinimum(ControlRef control);
void SetControl32BitMinimum(ControlRef control, int32_t minimum);
int32_t GetControl32BitMaximum(ControlRef control);
void SetControl32BitMaximum(ControlRef control, int32_t maximum);

// Title (buttons, popups, check boxes, tabs' owner) and text (edit and static text).
OSStatus SetControlTitleWithCFString(ControlRef control, const std::string& title);
std::optional<std::string> CopyControlTitleAsCFString(ControlRef control);
// For a password field the text set is its clear text, and the text read is the bullets shown.
OSStatus SetControlText(ControlRef control, const std::string& text);
OSStatus GetControlText(ControlRef control, std::string* text);

// Command sent when the control is clicked and no handler took the hit (0 for none).
OSStatus SetControlCommandID(ControlRef control, uint32_t command);
OSStatus GetControlCommandID(ControlRef control, uint32_t* command);

// Application data attached to a control.
void SetControlReference(ControlRef control, void* reference);
void* GetControlReference(ControlRef control);

// States. "Active" means enabled and shown, with every container enabled and shown too.
void EnableControl(ControlRef control);
// Activation: in this model an active control is an enabled one.
OSStatus ActivateControl(ControlRef control);
void DisableControl(ControlRef control);
bool IsControlEnabled(ControlRef control);
bool IsControlVisible(ControlRef control);
void ShowControl(ControlRef control);  // shows and redraws
void HideControl(ControlRef control);  // hides and redraws
// Shows or hides; redraws only when asked to.
OSStatus SetControlVisibility(ControlRef control, bool visible, bool draw);

// Geometry, window coordinates. Moving a control moves everything embedded in it; setting the
// bounds changes only the control itself.
OSStatus GetControlBounds(ControlRef control, Rect* bounds);
OSStatus SetControlBounds(ControlRef control, const Rect& bounds);
OSStatus MoveControl(ControlRef control, int16_t left, int16_t top);
OSStatus SizeControl(ControlRef control, int16_t width, int16_t height);

// Font: the parts of the style that are not negative are set.
struct ControlFontStyleRec {
  int16_t font = -1;
  int16_t size = -1;
  int16_t style = -1;
};
// The font of list and text views, and its size.
inline constexpr int16_t kControlFontViewSystemFont = 4;
inline constexpr int16_t kViewSystemFontSize = 12;
OSStatus SetControlFontStyle(ControlRef control, const ControlFontStyleRec& style);
OSStatus GetControlFontStyle(ControlRef control, ControlFontStyleRec* style);

// Embedding. Embedding moves the control (with its subtree and handlers) into the container,
// also when the container belongs to another window.
OSStatus EmbedControl(ControlRef control, ControlRef container);
OSStatus GetRootControl(WindowRef window, ControlRef* root);
OSStatus GetSuperControl(ControlRef control, ControlRef* parent);
OSStatus CountSubControls(ControlRef control, uint16_t* count);
// index is 1-based
OSStatus GetIndexedSubControl(ControlRef control, uint16_t index, ControlRef* child);
// The nearest tab control enclosing `control` and its tab whose sub-pane holds it (sub-panes are
// the tab control's children in tab order, so the n-th child is tab n's pane).
// errUnknownControl when no tab control encloses it.
OSStatus GetEnclosingTab(ControlRef control, ControlRef* tabs, uint16_t* tab);

// Keyboard focus: text fields and lists can take it.
OSStatus SetKeyboardFocus(WindowRef window, ControlRef control);
OSStatus GetKeyboardFocus(WindowRef window, ControlRef* control);

// Redrawing. A request counts on the control it names and sends draw events to it and to every
// shown control embedded in it; what the draw handlers paint is kept per control.
void Draw1Control(ControlRef control);
void DrawControls(WindowRef window);
uint32_t GetControlRedrawCount(ControlRef control);
std::vector<DrawOperation> GetControlLastDrawing(ControlRef control);

// Popup buttons own their menu.
MenuRef GetControlPopupMenuHandle(ControlRef popup);

// Tab controls: one title per tab; the value is the chosen tab (1-based); the maximum limits how
// many tabs are offered.
std::vector<std::string> GetTabTitles(ControlRef tabs);
bool IsTabEnabled(ControlRef tabs, uint16_t tab);

// Image views.
OSStatus HIImageViewSetImage(ControlRef view, const CGImageRef& image);
CGImageRef HIImageViewCopyImage(ControlRef view);

// Clocks hold a date and time of day.
OSStatus GetClockDateTime(ControlRef clock, LongDateRec* date);
OSStatus SetClockDateTime(ControlRef clock, const LongDateRec& date);
