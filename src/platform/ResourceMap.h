#pragma once
// Resource maps of bundles and the current resource file.
//
// A bundle's resource map is made of the files "*.rsrc.plist" in Contents/Resources/ and in its
// language folders (Contents/Resources/<language>.lproj/). Each is an XML property list whose
// root dictionary maps a resource type ("STR#", "plist", ...) to a dictionary of resources keyed
// by resource ID (decimal text, e.g. "231" or "-8900") or by resource name ("MediaTypes"). A
// string list ("STR#") is an array of strings (UTF-8 in the file). Types are names: a
// four-character code names the type of its four characters. Where two
// files hold the same resource, the language folders win over Resources/, better languages over
// worse, and within one folder the file whose name sorts first.
//
// Open maps form a chain: lookups start at the current resource file and continue with the maps
// opened before it. Reference number 0 is the (empty) system resource file, current when no
// bundle map is.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Bundle.h"
#include "platform/FourCC.h"
#include "platform/Status.h"

using ResFileRefNum = int16_t;
inline constexpr ResFileRefNum kSystemResFile = 0;
inline constexpr ResFileRefNum kResFileNotOpened = -1;

// Opens the bundle's resource map and makes it current. kResFileNotOpened when the bundle is
// null, has no resource-map file, or one of them is not a valid property list (see ResError).
ResFileRefNum CFBundleOpenBundleResourceMap(CFBundleRef bundle);
// Closes a map opened from this bundle; when it was current, the map opened before it becomes
// current. Unknown numbers are ignored (ResError tells).
void CFBundleCloseBundleResourceMap(CFBundleRef bundle, ResFileRefNum refNum);

ResFileRefNum CurResFile();
// Makes an open map current; an unknown number leaves the current one (ResError resFNotFound).
void UseResFile(ResFileRefNum refNum);
// The status of the last resource call: noErr, resNotFound, resFNotFound, paramErr (null bundle)
// or kPropertyListMalformedErr.
OSErr ResError();

// Entry `index` (from 1) of string list `strListID`, as a length-prefixed Mac Roman string of at
// most 255 bytes (an entry that Mac Roman cannot represent is given in UTF-8). Length 0 when the
// list or the entry does not exist (ResError resNotFound).
void GetIndString(unsigned char* theString, int16_t strListID, int16_t index);

// A resource's bytes: a <data> value as it stands, any other value in its XML property-list
// form. nullopt when not found (ResError resNotFound). GetNamedResource searches the chain;
// Get1NamedResource only the current map.
std::optional<std::vector<uint8_t>> GetNamedResource(OSType type, std::string_view name);
std::optional<std::vector<uint8_t>> Get1NamedResource(OSType type, std::string_view name);
// The same for types whose names are not four characters ("plist").
std::optional<std::vector<uint8_t>> GetNamedResource(std::string_view type, std::string_view name);
std::optional<std::vector<uint8_t>> Get1NamedResource(std::string_view type, std::string_view name);
