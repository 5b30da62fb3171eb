#include "ui/PStringText.h"

#include <cstring>

#include "platform/UTF8.h"

namespace {

constexpr size_t kMaxPStrLength = 255;

bool CopyToPStr(const std::string& bytes, unsigned char* out) {
  out[0] = static_cast<unsigned char>(bytes.size());
  std::memcpy(out + 1, bytes.data(), bytes.size());
  return true;
}

// Character by character: false at the first character the encoding lacks; a text too long is
// cut between characters.
bool TextToPStrByCharacter(const std::string& utf8, TextEncoding encoding, unsigned char* out) {
  std::string converted;
  bool full = false;  // the rest is checked, but no longer copied
  for (size_t i = 0; i < utf8.size();) {
    const size_t end = NextUTF8Boundary(utf8, i);
    const std::optional<std::string> bytes = FromUTF8(utf8.substr(i, end - i), encoding);
    i = end;
    if (!bytes || bytes->empty()) return false;
    full = full || converted.size() + bytes->size() > kMaxPStrLength;
    if (!full) converted += *bytes;
  }
  return CopyToPStr(converted, out);
}

}  // namespace

bool TextToPStr(const std::string& utf8, TextEncoding encoding, unsigned char* out) {
  if (!out) return false;
  out[0] = 0;
  // The whole text in one conversion when it fits; character by character only to find where a
  // longer text is cut or which character is missing.
  std::optional<std::string> converted = FromUTF8(utf8, encoding);
  if (converted && converted->size() <= kMaxPStrLength) return CopyToPStr(*converted, out);
  return TextToPStrByCharacter(utf8, encoding, out);
}

std::string PStrToText(const unsigned char* pstr, TextEncoding encoding) {
  if (!pstr) return {};
  const std::string bytes(reinterpret_cast<const char*>(pstr + 1), pstr[0]);
  if (std::optional<std::string> text = ToUTF8(bytes, encoding)) return *text;
  std::string text;
  for (char byte : bytes) text += ToUTF8(std::string(1, byte), encoding).value_or("\xEF\xBF\xBD");
  return text;
}
