#include "ppdx/settings/SettingsValues.h"

#include <algorithm>
#include <cstring>

#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"

OSStatus SaveInt32(Settings& settings, OSType tag, long id, int32_t value) {
  return settings.Add(tag, id, &value, sizeof value);
}

OSStatus SaveText(Settings& settings, OSType tag, long id, const char* text) {
  if (!text || !*text) return noErr;
  return settings.Add(tag, id, text, static_cast<long>(std::strlen(text)));
}

OSStatus SavePlatformString(Settings& settings, OSType tag, long id, const std::string& text) {
  long size = 0;
  std::vector<uint8_t> external = CFStringToExternal(text, &size);
  return settings.Add(tag, id, external.data(), size);
}

std::optional<int32_t> ReadInt32(Settings& settings, OSType tag, long id) {
  int32_t value = 0;
  long size = sizeof value;
  if (settings.Get(tag, id, &value, size, true) != noErr || size != sizeof value)
    return std::nullopt;
  return value;
}

CString ReadText(Settings& settings, OSType tag, long id) {
  std::unique_ptr<CString> text = GetSettingsString(settings, tag, id);
  return text ? CString(*text) : CString();
}

long ReadElementCount(Settings& settings, OSType tag, long id) {
  return std::clamp<long>(ReadInt32(settings, tag, id).value_or(0), 0, settings.Count());
}
