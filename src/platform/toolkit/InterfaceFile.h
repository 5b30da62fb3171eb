#pragma once
// Interface files: XML files of this project's own schema describing named windows and menus.
//
//   <interface>
//     <window name="..."
//     class="document|modal|movable-modal|alert|movable-alert|sheet|sheet-alert|plain"
//             title="..." frame="left top width height">
//       <control kind="push-button" signature="ok  " id="0" frame="left top width height"
//                title="OK" command="ok  " default="true"/>
//       ...
//     </window>
//     <menu name="..." id="1000"><item text="..." enabled="false" checked="true"
//     command="abcd"/></menu>
//   </interface>
//
// Control kinds: push-button, bevel-button (behavior="momentary|toggles|sticky"), check-box,
// radio-button, popup-button (items as <item> children or menu="name"), edit-text,
// password-text, static-text, user-pane, image-view (image="file.png", relative to the
// interface file), tab-control (<tab title="..."/> children; sub-panes as control children),
// data-browser (<column property="abcd" title="..." width="n"/> children),
// clock (date="YYYY-MM-DD HH:MM").
// Common control attributes: name, signature (four characters), id, frame (relative to the
// containing control), title, text, value, min, max, font-size, font-style="bold",
// command (four characters), enabled, visible, default, cancel. Controls nest.
#include <filesystem>
#include <string>

#include "platform/Bundle.h"
#include "platform/toolkit/ToolkitTypes.h"

// Reads an interface file. kIBCarbonRuntimeCantFindNibFile when it is missing,
// kIBCarbonRuntimeObjectNotOfRequestedType when it is not a valid interface file.
OSStatus CreateNibReferenceFromFile(const std::filesystem::path& file, IBNibRef* outNib);
// Reads the interface file "<name>.xml" among the bundle's resources (global resources first,
// then the language folders).
OSStatus CreateNibReferenceWithCFBundle(CFBundleRef bundle, const std::string& name,
                                        IBNibRef* outNib);
void DisposeNibReference(IBNibRef nib);

// The name a control kind has in interface files ("popup-button", ...); "root" for a window's
// root control.
const char* ControlKindName(ControlKind kind);

// Creates a new hidden window, or a new menu the caller owns, by name;
// kIBCarbonRuntimeCantFindObject when the file has no such window or menu.
OSStatus CreateWindowFromNib(IBNibRef nib, const std::string& windowName, WindowRef* outWindow);
OSStatus CreateMenuFromNib(IBNibRef nib, const std::string& menuName, MenuRef* outMenu);
