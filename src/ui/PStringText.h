#pragma once
// Length-prefixed strings (256-byte buffers) to and from the UTF-8 text the toolkit holds.
#include <string>

#include "platform/TextEncoding.h"

// Converts UTF-8 text into `out` (256 bytes), cut to 255 bytes without splitting a character.
// False, with `out` left empty, when the text is not valid UTF-8 or has a character the encoding
// lacks: nothing is ever replaced.
bool TextToPStr(const std::string& utf8, TextEncoding encoding, unsigned char* out);
// The text of a length-prefixed string in that encoding; bytes it cannot read become U+FFFD.
std::string PStrToText(const unsigned char* pstr, TextEncoding encoding);
