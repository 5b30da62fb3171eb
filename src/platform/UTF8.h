#pragma once
// UTF-8 sequences: the one place that knows how lead and continuation bytes make a character.
// Text elsewhere is split, measured, validated and built through these calls.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// True for a byte 10xxxxxx, which continues a sequence and never starts one.
constexpr bool IsUTF8ContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One character read from UTF-8: its code point and the number of bytes it took.
struct UTF8Character {
  char32_t code;
  size_t length;
};

// The well-formed character that starts at text[at]: shortest form, no surrogate, at most
// U+10FFFF. nullopt when the bytes there are not one or `at` is at or past the end.
std::optional<UTF8Character> DecodeUTF8Character(std::string_view text, size_t at);

// Appends the UTF-8 form of `code`; false, with nothing appended, for a surrogate or a value
// beyond U+10FFFF.
bool AppendUTF8(std::string& out, char32_t code);

// The offset just past the character that starts at text[at]: the next byte that does not
// continue a sequence (or the end). Malformed bytes are stepped over one by one, so text is never
// cut inside a sequence.
size_t NextUTF8Boundary(std::string_view text, size_t at);

// The length of the longest prefix of `text` of at most `limit` bytes that does not end inside
// a sequence.
size_t UTF8PrefixLength(std::string_view text, size_t limit);
