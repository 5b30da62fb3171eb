#include "platform/UTF8.h"

namespace {

// The length a lead byte announces; 0 for a byte that cannot start a sequence.
size_t AnnouncedLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

bool IsScalarValue(char32_t code) {
  return code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

// The smallest code point that needs `length` bytes; anything below is an overlong form.
char32_t SmallestOfLength(size_t length) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return kSmallest[length];
}

}  // namespace

std::optional<UTF8Character> DecodeUTF8Character(std::string_view text, size_t at) {
  if (at >= text.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = AnnouncedLength(lead);
  if (length == 0 || text.size() - at < length) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[at + k]);
    if (!IsUTF8ContinuationByte(byte)) return std::nullopt;
    code = (code << 6) | (byte & 0x3F);
  }
  if (code < SmallestOfLength(length) || !IsScalarValue(code)) return std::nullopt;
  return UTF8Character{code, length};
}

bool AppendUTF8(std::string& out, char32_t code) {
  if (!IsScalarValue(code)) return false;
  if (code < 0x80) {
    out += static_cast<char>(code);
    return true;
  }
  const size_t length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  static constexpr unsigned char kLeadMarks[] = {0, 0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLeadMarks[length] | (code >> (6 * (length - 1))));
  for (size_t k = length - 1; k > 0; --k)
    out += static_cast<char>(0x80 | ((code >> (6 * (k - 1))) & 0x3F));
  return true;
}

size_t NextUTF8Boundary(std::string_view text, size_t at) {
  if (at >= text.size()) return text.size();
  ++at;
  while (at < text.size() && IsUTF8ContinuationByte(static_cast<unsigned char>(text[at]))) ++at;
  return at;
}

size_t UTF8PrefixLength(std::string_view text, size_t limit) {
  if (limit >= text.size()) return text.size();
  while (limit > 0 && IsUTF8ContinuationByte(static_cast<unsigned char>(text[limit]))) --limit;
  return limit;
}
