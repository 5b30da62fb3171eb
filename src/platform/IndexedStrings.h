#pragma once
// C-string forms of the number and string-list conversions.
#include <cstdint>

// Decimal text of `number` into `cstr` (at least 12 bytes). Returns `cstr`; null when it is null.
char* num2String(int32_t number, char* cstr);

// The number a decimal text stands for (see StringToNum); 0 for a null or empty text. Only the
// first 255 characters are read.
int32_t string2Number(const char* cstr);

// Entry `index` (from 1) of string list `listID` in the current resource chain, as a C string
// in `cstr` (at least 256 bytes). Returns `cstr`, or null when the entry is empty or missing (then
// `cstr` holds "").
char* getIndString(char* cstr, int16_t listID, int16_t index);
