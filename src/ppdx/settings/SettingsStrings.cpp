#include "ppdx/settings/SettingsStrings.h"

#include <cstring>

#include "platform/UTF8.h"
#include "ppdx/settings/Settings.h"

namespace {

constexpr char32_t kReplacement = U'?';

// Decodes one UTF-8 sequence at text[i]; advances i. Malformed input gives '?' for one byte.
char32_t DecodeUTF8(std::string_view text, size_t& i) {
  const std::optional<UTF8Character> character = DecodeUTF8Character(text, i);
  i += character ? character->length : 1;
  return character ? character->code : kReplacement;
}

void PutUnit(std::vector<uint8_t>& out, uint16_t unit) {
  uint8_t bytes[2];
  std::memcpy(bytes, &unit, 2);
  out.insert(out.end(), bytes, bytes + 2);
}

}  // namespace

std::vector<uint8_t> CFStringToExternal(std::string_view text, long* size) {
  std::vector<uint8_t> out;
  PutUnit(out, 0xFEFF);
  for (size_t i = 0; i < text.size();) {
    char32_t code = DecodeUTF8(text, i);
    if (code >= 0x10000) {
      code -= 0x10000;
      PutUnit(out, static_cast<uint16_t>(0xD800 | (code >> 10)));
      PutUnit(out, static_cast<uint16_t>(0xDC00 | (code & 0x3FF)));
    } else {
      PutUnit(out, static_cast<uint16_t>(code));
    }
  }
  if (size) *size = static_cast<long>(out.size());
  return out;
}

std::optional<std::string> ExtenalToCFString(const unsigned char* bytes, long size) {
  if (!bytes) return std::nullopt;
  bool bigEndian = true;
  long offset = 0;
  if (size >= 2 &&
      ((bytes[0] == 0xFE && bytes[1] == 0xFF) || (bytes[0] == 0xFF && bytes[1] == 0xFE))) {
    bigEndian = bytes[0] == 0xFE;
    offset = 2;
  }
  auto unitAt = [&](long k) {
    return bigEndian ? static_cast<uint16_t>(bytes[k] << 8 | bytes[k + 1])
                     : static_cast<uint16_t>(bytes[k + 1] << 8 | bytes[k]);
  };
  std::string text;
  for (long k = offset; k + 1 < size; k += 2) {
    char32_t unit = unitAt(k);
    if (unit >= 0xD800 && unit <= 0xDBFF && k + 3 < size) {
      char32_t low = unitAt(k + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUTF8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        k += 2;
        continue;
      }
    }
    AppendUTF8(text, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
  return text;
}

std::optional<std::vector<uint8_t>> GetSettingsBytes(Settings& settings, uint32_t tag, long id) {
  long size = 0;
  if (settings.Get(tag, id, nullptr, size, false) != noErr || size <= 0) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (settings.Get(tag, id, bytes.data(), size, false) != noErr) return std::nullopt;
  return bytes;
}

std::unique_ptr<CString> GetSettingsString(Settings& settings, uint32_t tag, long id) {
  auto bytes = GetSettingsBytes(settings, tag, id);
  if (!bytes) return nullptr;
  bytes->push_back('\0');
  return std::make_unique<CString>(reinterpret_cast<const char*>(bytes->data()));
}

std::optional<std::string> GetSettingsCFString(Settings& settings, uint32_t tag, long id) {
  auto bytes = GetSettingsBytes(settings, tag, id);
  if (!bytes) return std::nullopt;
  return ExtenalToCFString(bytes->data(), static_cast<long>(bytes->size()));
}
