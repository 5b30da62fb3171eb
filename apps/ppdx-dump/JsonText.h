#pragma once
// Turning the parser's byte strings into JSON strings. Keywords and PostScript code are raw bytes
// of the PPD file and need not be UTF-8; a JSON string must be.
#include <string>
#include <string_view>

// text with every byte that does not belong to a well-formed UTF-8 sequence read as the Latin-1
// character of the same value (U+0080 to U+00FF, written as UTF-8). Well-formed UTF-8 is kept
// as it is, so the result is always valid UTF-8 and nothing of the text is lost.
std::string JsonText(std::string_view text);
