#include "ui/PStringText.h"

#include <cstring>

namespace {

constexpr size_t kMaxPStrLength = 255;

// One UTF-8 character starting at i.
std::string NextCharacter(const std::string& text, size_t& i) {
  const size_t start = i++;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return text.substr(start, i - start);
}

}  // namespace

bool TextToPStr(const std::string& utf8, TextEncoding encoding, unsigned char* out) {
  if (!out) return false;
  out[0] = 0;
  std::string converted;
  bool full = false;  // the rest is checked, but no longer copied
  for (size_t i = 0; i < utf8.size();) {
    const std::optional<std::string> bytes = FromUTF8(NextCharacter(utf8, i), encoding);
    if (!bytes || bytes->empty()) return false;
    full = full || converted.size() + bytes->size() > kMaxPStrLength;
    if (!full) converted += *bytes;
  }
  out[0] = static_cast<unsigned char>(converted.size());
  std::memcpy(out + 1, converted.data(), converted.size());
  return true;
}

std::string PStrToText(const unsigned char* pstr, TextEncoding encoding) {
  if (!pstr) return {};
  const std::string bytes(reinterpret_cast<const char*>(pstr + 1), pstr[0]);
  if (std::optional<std::string> text = ToUTF8(bytes, encoding)) return *text;
  std::string text;
  for (char byte : bytes) text += ToUTF8(std::string(1, byte), encoding).value_or("\xEF\xBF\xBD");
  return text;
}
