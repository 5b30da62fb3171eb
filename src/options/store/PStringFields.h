#pragma once
// The option record's length-prefixed Mac Roman fields, to and from the UTF-8 text the
// preferences and files hold.
#include <cstddef>
#include <string>

inline constexpr size_t kMaxPStringLength = 255;

// Stores `utf8` as Mac Roman in `field`, cut to `maxLength` characters. A text that Mac Roman
// cannot represent leaves the field unchanged (logged); false then.
bool StoreMacRoman(const std::string& utf8, unsigned char* field, size_t maxLength);
// The field's text as UTF-8.
std::string MacRomanText(const unsigned char* field);
// The field's bytes as they are.
std::string PStringBytes(const unsigned char* field);
// Stores raw bytes in the field, cut to 255.
void SetPStringBytes(const std::string& bytes, unsigned char* field);
// The field as a C string (up to its first NUL byte).
std::string CStringCopy(const unsigned char* field);
// The field's C string scrambled, or unscrambled (see ScrambledText).
std::string ScrambledCopy(const unsigned char* field);
std::string UnscrambledCopy(const unsigned char* field);
