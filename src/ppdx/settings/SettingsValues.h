#pragma once
// Typed items of a Settings container as the PPD object model stores them: 4-byte integers
// (byte order corrected on reading), texts without their NUL, platform strings in external form.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FourCC.h"
#include "platform/Status.h"
#include "support/CString.h"

class Settings;

OSStatus SaveInt32(Settings& settings, OSType tag, long id, int32_t value);
OSStatus SaveText(Settings& settings, OSType tag, long id,
                  const char* text);  // null or "": nothing
OSStatus SavePlatformString(Settings& settings, OSType tag, long id, const std::string& text);

std::optional<int32_t> ReadInt32(Settings& settings, OSType tag, long id);
CString ReadText(Settings& settings, OSType tag, long id);  // no buffer when missing
// A saved list's element count. Every element takes at least one item of the container, so a
// count beyond the item count is corrupt and is cut to it (a walk over its ids always ends).
long ReadElementCount(Settings& settings, OSType tag, long id);
