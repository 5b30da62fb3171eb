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

// Character by character, for a text that does not convert whole or does not fit: a missing
// character becomes "?", and the text is cut between characters.
std::string ConvertByCharacter(const std::string& utf8, TextEncoding encoding) {
  std::string converted;
  for (size_t i = 0; i < utf8.size();) {
    const std::string one = NextCharacter(utf8, i);
    const std::optional<std::string> bytes = FromUTF8(one, encoding);
    const std::string piece = bytes && !bytes->empty() ? *bytes : std::string("?");
    if (converted.size() + piece.size() > kMaxPStrLength) break;
    converted += piece;
  }
  return converted;
}

}  // namespace

void TextToPStr(const std::string& utf8, TextEncoding encoding, unsigned char* out) {
  if (!out) return;
  const std::optional<std::string> whole = FromUTF8(utf8, encoding);
  const std::string converted =
      whole && whole->size() <= kMaxPStrLength ? *whole : ConvertByCharacter(utf8, encoding);
  out[0] = static_cast<unsigned char>(converted.size());
  std::memcpy(out + 1, converted.data(), converted.size());
}

std::string PStrToText(const unsigned char* pstr, TextEncoding encoding) {
  if (!pstr) return {};
  const std::string bytes(reinterpret_cast<const char*>(pstr + 1), pstr[0]);
  if (std::optional<std::string> text = ToUTF8(bytes, encoding)) return *text;
  std::string text;
  for (char byte : bytes) text += ToUTF8(std::string(1, byte), encoding).value_or("\xEF\xBF\xBD");
  return text;
}
