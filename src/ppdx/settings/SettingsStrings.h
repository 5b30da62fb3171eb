#pragma once
// Strings in and out of a Settings container. The external form of a platform string is UTF-16
// in host byte order behind a byte-order mark.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/CString.h"

class Settings;

// Bytes that are not valid UTF-8 become '?'. size (when given) receives the length.
std::vector<uint8_t> CFStringToExternal(std::string_view text, long* size = nullptr);
// Honours either byte-order mark; without one the text is read big-endian. Null bytes give null.
std::optional<std::string> ExtenalToCFString(const unsigned char* bytes, long size);

// The item's bytes as text, or null when the item is missing, empty or unreadable.
std::unique_ptr<CString> GetSettingsString(Settings& settings, uint32_t tag, long id);
std::optional<std::string> GetSettingsCFString(Settings& settings, uint32_t tag, long id);

// The item's bytes, or null when it is missing, empty or unreadable.
std::optional<std::vector<uint8_t>> GetSettingsBytes(Settings& settings, uint32_t tag, long id);
