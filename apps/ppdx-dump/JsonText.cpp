#include "JsonText.h"

#include "platform/UTF8.h"

std::string JsonText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (const std::optional<UTF8Character> character = DecodeUTF8Character(text, i)) {
      out.append(text.substr(i, character->length));
      i += character->length;
      continue;
    }
    AppendUTF8(out, static_cast<unsigned char>(text[i]));  // the Latin-1 character of that byte
    ++i;
  }
  return out;
}
