#pragma once
// Plain C-string helpers. Functions given a null pointer do nothing (or answer null / valid).
#include <cstdint>

// C string to a length-prefixed string in a separate buffer of 256 bytes (at most 255 characters).
void ctoPStr(const char* c, unsigned char* p);
// Length-prefixed string to a C string in a separate buffer of 256 bytes.
void ptoCStr(const unsigned char* p, char* c);

// First position of `c` in `s`; null when absent or `s` is empty.
char* findChar(char* s, char c);
const char* findChar(const char* s, char c);

// A new heap C string of `n` copies of `c`, released with delete[]; null for negative `n`.
char* newInitalizedCString(int32_t n, char c);

// Removes the characters from position `from` up to but excluding position `to`.
void deleteCharRangeInStr(char* s, int32_t from, int32_t to);

// False when `s` holds a run of more than `limit` consecutive digits; an empty string is valid.
bool validateRangeValues(const char* s, int32_t limit);
