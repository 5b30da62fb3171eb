#pragma once
// What a text must go through before it is stored or written into a job: password scrambling,
// the characters the print path cannot take, and control characters.
#include <string>
#include <string_view>

// The text (up to its first NUL) scrambled with the key "Orvek" into pairs of base-23 digits
// ("0"-"9", "A"-"M"): twice as long. Reversible by design.
std::string ScrambledText(std::string_view plain);
// Undoes ScrambledText: half as long; an odd last digit is ignored, the result ends at a NUL.
std::string UnscrambledText(std::string_view scrambled);
// Every apostrophe, comma, CR and LF replaced with "<27>", "<2C>", "<0D>", "<0A>".
std::string WithoutCUPSProblemChars(std::string_view text);
// The text without its control characters (bytes below 0x20 and 0x7F, the same in Mac Roman
// and UTF-8): a field is one line of text, and a line break in it would split a comment line.
std::string WithoutControlCharacters(std::string text);
