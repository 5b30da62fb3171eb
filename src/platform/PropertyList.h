#pragma once
// Property lists in their XML form, through libplist. Files are replaced atomically (see FileIO.h).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PlistValue.h"
#include "platform/Status.h"

// Parses an XML property list; nullopt when the bytes are not one (binary lists and text
// holding a NUL byte included).
std::optional<PlistValue> PropertyListFromData(std::string_view bytes);

// The XML form of a value.
std::string PropertyListToXML(const PlistValue& value);

// Reads a property-list file. fnfErr when it does not exist, ioErr when it cannot be read,
// kPropertyListMalformedErr when its contents are not a property list.
OSStatus ReadPropertyListFile(const std::filesystem::path& file, PlistValue& value);

// Writes the XML form of `value` to `file`, replacing it atomically; ioErr leaves the old file.
OSStatus WritePropertyListFile(const std::filesystem::path& file, const PlistValue& value);
