#include "JsonText.h"

#include <cstdint>

namespace {

// Length of the well-formed UTF-8 sequence at text[i], or 0 when the bytes there are not one.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  uint32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, min = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, min = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, min = 0x10000;
  else
    return 0;
  if (i + length > text.size()) return 0;
  uint32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string JsonText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80 ? 1 : Utf8SequenceLength(text, i);
    if (length > 0) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    out += char(0xC0 | (c >> 6));  // the Latin-1 character c in UTF-8
    out += char(0x80 | (c & 0x3F));
    ++i;
  }
  return out;
}
