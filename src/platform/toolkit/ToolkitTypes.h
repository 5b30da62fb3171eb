#pragma once
// Basic types of the widget toolkit model: handles, geometry, control identity and kinds,
// window classes, keys. The model is headless; a view may mirror it on screen.
#include <cstdint>
#include <string>

#include "platform/FourCC.h"
#include "platform/Status.h"

struct OpaqueWindowRef;
struct OpaqueControlRef;
struct ToolkitMenu;
struct ToolkitNib;
struct ToolkitEvent;
class CGContext;

// Window and control handles are ids, never addresses: each object gets an id that no object had
// before, so the handle of a disposed object resolves to nothing, and every call on it answers
// with a status (or a neutral value) instead of touching another object. Null is no object.
using WindowRef = OpaqueWindowRef*;
using ControlRef = OpaqueControlRef*;
using MenuRef = ToolkitMenu*;
using IBNibRef = ToolkitNib*;
using EventRef = ToolkitEvent*;
using CGContextRef = CGContext*;
// A window's drawing port is the window itself.
using CGrafPtr = WindowRef;

// Window-local rectangle, top-down coordinates (top and left inclusive, bottom and right
// exclusive).
struct Rect {
  int16_t top = 0;
  int16_t left = 0;
  int16_t bottom = 0;
  int16_t right = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline int16_t RectWidth(const Rect& r) { return int16_t(r.right - r.left); }
inline int16_t RectHeight(const Rect& r) { return int16_t(r.bottom - r.top); }

// A control's identity: four-character signature and signed number.
struct ControlID {
  OSType signature = 0;
  int32_t id = 0;
  friend bool operator==(const ControlID&, const ControlID&) = default;
};

enum class ControlKind {
  RootControl,  // the content of a window
  PushButton,
  BevelButton,  // a button that may keep a value (see BevelBehavior)
  CheckBox,
  RadioButton,
  PopupButton,
  EditText,
  PasswordText,  // edit text whose text is shown as bullets
  StaticText,
  UserPane,
  ImageView,
  TabControl,
  DataBrowser,  // list with columns
  Clock,
};

// How a bevel button's value follows clicks.
enum class BevelBehavior { Momentary, Toggles, Sticky };

using WindowClass = uint32_t;
inline constexpr WindowClass kAlertWindowClass = 1;
inline constexpr WindowClass kMovableAlertWindowClass = 2;
inline constexpr WindowClass kModalWindowClass = 3;
inline constexpr WindowClass kMovableModalWindowClass = 4;
inline constexpr WindowClass kDocumentWindowClass = 6;
inline constexpr WindowClass kSheetWindowClass = 11;
inline constexpr WindowClass kPlainWindowClass = 13;
inline constexpr WindowClass kSheetAlertWindowClass = 15;

// Font sizes of the system font and the small system font, in pixels.
inline constexpr int16_t kSystemFontSize = 13;
inline constexpr int16_t kSmallSystemFontSize = 11;
// Font style bits.
inline constexpr int16_t kFontStyleBold = 1;
inline constexpr int16_t kFontStyleItalic = 2;

// Keyboard modifiers.
using EventModifiers = uint16_t;
inline constexpr EventModifiers cmdKey = 0x0100;
inline constexpr EventModifiers shiftKey = 0x0200;
inline constexpr EventModifiers optionKey = 0x0800;
inline constexpr EventModifiers controlKey = 0x1000;

// Character codes with a meaning of their own.
inline constexpr int16_t kEnterCharCode = 3;
inline constexpr int16_t kBackspaceCharCode = 8;
inline constexpr int16_t kTabCharCode = 9;
inline constexpr int16_t kReturnCharCode = 13;
inline constexpr int16_t kEscapeCharCode = 27;
inline constexpr int16_t kLeftArrowCharCode = 28;
inline constexpr int16_t kRightArrowCharCode = 29;
inline constexpr int16_t kUpArrowCharCode = 30;
inline constexpr int16_t kDownArrowCharCode = 31;

// A calendar date and time of day, as a clock control holds it.
struct LongDateRec {
  int16_t year = 1904;
  int16_t month = 1;
  int16_t day = 1;
  int16_t hour = 0;
  int16_t minute = 0;
  int16_t second = 0;
  friend bool operator==(const LongDateRec&, const LongDateRec&) = default;
};
